#include "link/convertersearch.h"

#include <chrono>
#include <thread>

#include "link/D2XXUnit.h"
#include "link/reportcollector.h"

namespace lumidor {
namespace {

constexpr int kListingAttempts = 2000;
constexpr std::uint32_t kBaudRate = 9600;
constexpr std::uint32_t kWriteTimeoutMs = 1;
constexpr int kNameShown = 9;

constexpr Bi kBaudRateFailed{"Nepodařilo se nastavit komunikační rychlost na 9600Bd !!!",
                             "Failed to set communication speed to 9600Bd !!!"};
constexpr Bi kTimeoutsFailed{"Nepodařilo se nastavit \"TimeOuts\" pro USB komunikaci !!!",
                             "Failed to set \"TimeOuts\" for USB communication !!!"};
constexpr Bi kDataCharacteristicsFailed{
    "Nepodařilo se nastavit \"DataCharacteristic\" pro USB komunikaci !!!",
    "Failed to set \"DataCharacteristic\" for USB communication !!!"};
constexpr Bi kFlowControlFailed{"Nepodařilo se nastavit \"FlowControl\" pro USB komunikaci !!!",
                                "Failed to set \"FlowControl\" for USB communication !!!"};
constexpr Bi kFirmwareRefused{
    "    Nepodporovaná verze firmware převodníku RC_LINKUP !!!\r\n\r\n"
    "Prosím, nechte aktualizovat firmware převodníku na aktuální verzi.",
    "Unsupported firmware version of the RC_LINKUP converter !!!\r\n\r\n"
    "Please leave a converter firmware update to the current version."};

// Lists the description of one device, waiting for one that is slow to appear.
void listDescription(D2XXUnit& unit, std::uint32_t index) {
    unit.ListText.clear();
    for (int attempt = 0; attempt < kListingAttempts && unit.ListText.isEmpty(); ++attempt) {
        unit.DeviceDescription(index);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace

QString formatVersion(std::uint32_t version) {
    QString digits = QString::number(version, 16).toUpper().rightJustified(5, QLatin1Char('0'));
    digits.insert(3, QLatin1Char('.'));
    digits.insert(1, QLatin1Char('.'));
    return digits;
}

QString firmwareOf(const QString& description) {
    return description.mid(10, 4);
}

bool firmwareRefused(const QString& firmware) {
    return firmware == QLatin1String("v1.0") || firmware == QLatin1String("v1.1") ||
           firmware == QLatin1String("v1.2");
}

SearchResult searchConverter(D2XXUnit& unit, const SearchInput& input,
                             const TUsbDevices& previous) {
    SearchResult result;
    // The binding's boxes join the search's own.
    ReportCollector collect(unit, result.messages);

    // A machine without the driver: nothing on screen changes.
    if (unit.DeviceCount().isLibraryMissing()) {
        result.device = previous;
        result.device.Index = TUsbDevices::kLibraryMissing;
        return result;
    }
    if (input.onBusy) {
        input.onBusy();
    }
    // Every other search starts from scratch.
    TUsbDevices& device = result.device;
    unit.ListText.clear();

    // Other failures of the count go on with the count the binding holds.
    const std::uint32_t count = unit.lastDeviceCount();
    for (std::uint32_t i = 0; i < count; ++i) {
        listDescription(unit, i);
        if (unit.ListText.contains(QLatin1String("RC_LINKUP"))) {
            device.Index = static_cast<int>(i);
            device.Description = unit.ListText;
            device.FwVersion = firmwareOf(device.Description);
            // A failed serial listing leaves the description in ListText.
            unit.GetFTDeviceSerialNo(i);
            device.SerialNo = unit.ListText;
            break;
        }
    }

    if (device.Description.isEmpty() || !unit.OpenByDescription(device.Description).ok()) {
        result.labels = ConverterLabels{};
        result.buttonsEnabled = false;
        device.Description.clear();
        device.SerialNo.clear();
        device.FwVersion.clear();
        return result;
    }

    ConverterLabels labels;
    labels.present = true;
    labels.name = device.Description.left(kNameShown);
    labels.serial = device.SerialNo;
    labels.firmware = device.FwVersion;
    labels.chipType = QStringLiteral("FT232R");
    std::uint32_t driver = 0;
    unit.DriverVersion(driver);
    labels.driver = formatVersion(driver);
    std::uint32_t library = 0;
    unit.LibraryVersion(library);
    labels.library = formatVersion(library);
    result.labels = labels;

    const auto portFailed = [&](const Bi& text) {
        result.messages.append({MsgKind::Error, text(input.lang)});
        unit.CloseDevice();
        return result;
    };
    unit.BaudRate = kBaudRate;
    if (!unit.SetBaudRate().ok()) {
        return portFailed(kBaudRateFailed);
    }
    if (!unit.SetTimeouts(kReadTimeoutMs, kWriteTimeoutMs).ok()) {
        return portFailed(kTimeoutsFailed);
    }
    unit.Parity = 0;
    unit.WordLength = 8;
    unit.StopBits = 0;
    unit.FlowControl = 0;
    if (!unit.SetDataCharacteristics().ok()) {
        return portFailed(kDataCharacteristicsFailed);
    }
    if (!unit.SetFlowControl().ok()) {
        return portFailed(kFlowControlFailed);
    }

    if (firmwareRefused(device.FwVersion)) {
        if (input.windowVisible) {
            result.messages.append({MsgKind::Warning, kFirmwareRefused(input.lang)});
        }
        result.buttonsEnabled = false;
    } else {
        result.buttonsEnabled = true;
    }
    unit.CloseDevice();
    return result;
}

}  // namespace lumidor
