#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QStandardPaths>
#include <QVariantMap>

#include <cstdio>

namespace quibbler {

namespace {

const QString kInterface = QStringLiteral("org.freedesktop.Application");
// A start that finds the name taken waits this long for the first to answer.
constexpr int kActivateTimeoutMs = 5000;

// The object path of a bus name: its dots become slashes, its dashes underscores.
QString objectPath(const QString& busName)
{
    return u'/' + QString(busName).replace(u'.', u'/').replace(u'-', u'_');
}

// The activation token this start was given, handed to the program that comes
// forward, so that the compositor lets it take the focus.
QVariantMap platformData()
{
    const QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    return token.isEmpty() ? QVariantMap() : QVariantMap{{QStringLiteral("activation-token"), token}};
}

} // namespace

// org.freedesktop.Application on the bus: every way in brings the program forward.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(SingleInstance* parent) : QDBusAbstractAdaptor(parent), m_owner(parent) { }

public slots:
    void Activate(const QVariantMap& platform_data) { comeForward(platform_data); }
    // Quibbler opens no files and has no actions: these only bring it forward.
    void Open(const QStringList& /*uris*/, const QVariantMap& platform_data)
    {
        comeForward(platform_data);
    }
    void ActivateAction(const QString& /*action_name*/, const QVariantList& /*parameter*/,
                        const QVariantMap& platform_data)
    {
        comeForward(platform_data);
    }

private:
    void comeForward(const QVariantMap& platform_data)
    {
        // Qt on Wayland hands it to the compositor when a window asks for the focus.
        if (const QString token = platform_data.value(QStringLiteral("activation-token")).toString();
            !token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        emit m_owner->activated();
    }

    SingleInstance* m_owner;
};

SingleInstance::SingleInstance(const QString& dataFolder, const QString& appId)
    : m_folder(dataFolder),
      m_busName(busName(appId, dataFolder,
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))),
      m_lock(QDir(dataFolder).filePath(QStringLiteral("qblrunning.lock")))
{
    // Held for the whole run; only a lock whose process is gone is taken over,
    // also when the folder is shared with another machine.
    m_lock.setStaleLockTime(0);
}

QString SingleInstance::busName(const QString& appId, const QString& dataFolder,
                                const QString& userDataFolder)
{
    if (QDir::cleanPath(dataFolder) == QDir::cleanPath(userDataFolder))
        return appId;
    const QByteArray digest = QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(),
                                                       QCryptographicHash::Sha256);
    return appId + QStringLiteral("._") + QString::fromLatin1(digest.toHex().left(16));
}

bool SingleInstance::claim()
{
    if (!claimBusName())
        return false;
    if (claimLock())
        return true;
    std::fprintf(stderr, "quibbler: Quibbler already runs on %s\n",
                 qUtf8Printable(QDir::toNativeSeparators(m_folder)));
    return false;
}

bool SingleInstance::claimBusName()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return true; // no session bus: the lock decides alone
    new ApplicationAdaptor(this);
    bus.registerObject(objectPath(m_busName), this, QDBusConnection::ExportAdaptors);
    if (bus.registerService(m_busName))
        return true; // the bus lets the name go when the program ends
    bus.unregisterObject(objectPath(m_busName));
    if (!bus.interface()->isServiceRegistered(m_busName))
        return true; // the bus refused the name for another reason: run without it
    QDBusMessage call = QDBusMessage::createMethodCall(m_busName, objectPath(m_busName),
                                                       kInterface, QStringLiteral("Activate"));
    call << platformData();
    bus.call(call, QDBus::Block, kActivateTimeoutMs);
    return false;
}

bool SingleInstance::claimLock()
{
    if (m_lock.tryLock(0))
        return true;
    // A folder where no lock can be made at all is no reason to refuse to run.
    return m_lock.error() != QLockFile::LockFailedError;
}

} // namespace quibbler

#include "SingleInstance.moc"
