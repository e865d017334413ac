// queries/: finding, counting and jumping to words and names; the word-count window.
#pragma once

namespace quibbler {

class Host;
class ListBox;
class MainWindow;

// The find, count and jump commands of the Options menu. Each asks for one
// value and answers with a message box or by selecting an entry.
class QueryCommands {
public:
    QueryCommands(MainWindow& main, Host& host);

    // Words that start with a letter: the letter becomes the first-letter
    // option and stays there; the count is that of the filtered word cache.
    void countWordsByLetter();
    void countProperNounsByLetter();
    void countWordsContaining();
    void findWord();
    void findProperNoun();
    void jumpToWord();
    void jumpToProperNoun();

private:
    void find(ListBox& list, const char* prompt, const char* notFound);
    void jump(ListBox& list, const char* prompt);

    MainWindow& m_main;
    Host& m_host;
};

} // namespace quibbler
