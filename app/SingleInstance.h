#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

namespace quibbler {

// One program per data folder: a second start on the same folder brings the
// first forward and ends, instead of opening a rival whose save would undo
// the first one's. On a session bus the program owns the application's name
// and answers org.freedesktop.Application, as desktops that start programs
// through the bus expect; a lock file in the folder covers runs without one.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    SingleInstance(const QString& dataFolder, const QString& appId);

    // True when this is the one program on the folder; false when another
    // runs there (it has been asked to come forward, where the bus reaches it).
    bool claim();

    // The bus name for a data folder: the application's own for the user's
    // data folder, where the installed program keeps its files; one of its
    // own for any other folder, so that runs on different folders coexist.
    static QString busName(const QString& appId, const QString& dataFolder,
                           const QString& userDataFolder);

signals:
    // Another start asked this program to come forward.
    void activated();

private:
    bool claimBusName();
    bool claimLock();

    QString m_folder;
    QString m_busName;
    QLockFile m_lock;
};

} // namespace quibbler
