#include "DesktopSignals.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QFileInfo>
#include <QVariantMap>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace {

// The desktop entry the launcher icon and the notification belong to.
const QString DesktopEntry = QStringLiteral("bindwell");

// A path as a value in a bus address: bytes other than ASCII letters,
// digits and these few are written %XX.
QString AddressValue(const QString& path)
{
    QString escaped;
    for (const char byte : QFile::encodeName(path)) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           std::string_view("-_/.\\*").find(byte) != std::string_view::npos;
        escaped += plain ? QString(QLatin1Char(byte)) : QStringLiteral("%%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    return escaped;
}

// The session bus where the desktop says it is, or the user's bus in the
// runtime folder. Never one started for the purpose: the program starts no
// other program.
QString SessionBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo(runtime + QStringLiteral("/bus")).exists())
        return {};
    return QStringLiteral("unix:path=") + AddressValue(runtime + QStringLiteral("/bus"));
}

}  // namespace

DesktopSignals::DesktopSignals() = default;

DesktopSignals::~DesktopSignals()
{
    if (bus_)
        QDBusConnection::disconnectFromBus(bus_->name());
}

bool DesktopSignals::Connected()
{
    if (!looked_) {
        looked_ = true;
        // A name of its own, so that each window's connection goes with it.
        const QString name = QStringLiteral("bindwell-desktop-%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
        if (const QString address = SessionBusAddress(); !address.isEmpty())
            bus_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, name));
    }
    return bus_ && bus_->isConnected();
}

void DesktopSignals::ShowProgress(double done)
{
    // A signal a percent, not one a book: a library may hold thousands.
    const int percent = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * 100));
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    SendProgress(percent / 100.0, true);
}

void DesktopSignals::ClearProgress()
{
    if (shownPercent_ < 0)
        return;
    shownPercent_ = -1;
    SendProgress(0, false);
}

void DesktopSignals::SendProgress(double done, bool visible)
{
    if (!Connected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(QStringLiteral("/com/canonical/unity/launcherentry/bindwell"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    update << QStringLiteral("application://%1.desktop").arg(DesktopEntry)
           << QVariantMap{{QStringLiteral("progress"), done}, {QStringLiteral("progress-visible"), visible}};
    bus_->send(update);
}

void DesktopSignals::Notify(const QString& text)
{
    if (!Connected())
        return;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Name, no notification to replace, icon, the text as the summary with
    // no body, no actions, the desktop entry, the server's own timeout.
    notify << QStringLiteral("Bindwell") << 0u << DesktopEntry << text << QString() << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"), DesktopEntry}} << -1;
    bus_->send(notify);
}
