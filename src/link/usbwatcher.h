#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace lumidor {

// Tells the main window when a USB device is plugged in or pulled out, so the
// converter search runs again by itself. Every device counts, not only the
// converter: the search sorts that out. Events come on the thread that made
// the watcher, also while a modal box is open. A system that cannot watch
// (no permission, no netlink) leaves the watcher silent, nothing more.
class TUsbClass : public QObject {
    Q_OBJECT
public:
    // monitorSource: the Linux netlink source to listen on; only tests pick
    // another one, to see a monitor that cannot be created.
    explicit TUsbClass(QObject* parent = nullptr, const char* monitorSource = "udev");
    ~TUsbClass() override;

    // False when the system refused to report device changes.
    bool watching() const;

    struct Impl;

Q_SIGNALS:
    // The texts: the USB device's description, and for a storage device its
    // storage description and friendly name (empty for any other device).
    void OnUsbArrival(lumidor::TUsbClass* sender, const QString& usbDescription,
                      const QString& storageDescription, const QString& storageFriendlyName);
    void OnUsbRemoval(lumidor::TUsbClass* sender, const QString& usbDescription,
                      const QString& storageDescription, const QString& storageFriendlyName);

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace lumidor
