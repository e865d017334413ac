// sentences/: answers: options, the source of words, draws, personalities, capitals.
#pragma once

#include <QString>

namespace quibbler {

class Host;
class MainWindow;
class OptionsWindow;

// The bot's answer to Enter in "Number of Words": reads the count, lets the
// personality chosen in the options build the answer, writes it to the
// response box and reseeds the random source.
class SentenceGenerator {
public:
    SentenceGenerator(MainWindow& main, OptionsWindow& options, Host& host);

    // The whole answer, from the working screen to the main window coming back.
    void respond();

private:
    void build();
    double wordCount();
    void regular(double count);
    QString mean();
    QString inquisitive();
    QString custom();

    MainWindow& m_main;
    OptionsWindow& m_options;
    Host& m_host;
    bool m_reachedLimit = false;
};

} // namespace quibbler
