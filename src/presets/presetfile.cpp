#include "presets/presetfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/savefile.h"

namespace lumidor {
namespace {

constexpr char kTag[] = {4, 'v', '4', '.', '0'};
constexpr int kTagSize = 5;
constexpr int kCellByte = 5;
constexpr int kTimeAxisByte = 6;
constexpr int kOnOffByte = 7;
constexpr int kPwmByte = 8;

// Items in cbCasovaOsa, cbZapVyp and cbPWM.
constexpr int kTimeAxisItems = 6;
constexpr int kOnOffItems = 10;
constexpr int kPwmItems = 6;

char indexByte(int index) {
    return static_cast<char>(static_cast<unsigned>(index) & 0xFFu);
}

int indexFromByte(char byte, int items) {
    const int v = static_cast<unsigned char>(byte);
    return v < items ? v : -1;
}

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

}  // namespace

QByteArray presetFileBytes(const PresetGrid& grid, const PatternOptions& options) {
    QByteArray record(kPresetRecordSize, '\0');
    record.replace(0, kTagSize, QByteArrayView(kTag, kTagSize));
    record[kTimeAxisByte] = indexByte(options.timeAxis);
    record[kOnOffByte] = indexByte(options.onOff);
    record[kPwmByte] = indexByte(options.pwmMode);

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(kPresetFileSize));
    bytes += record;  // the header's cell byte is 0
    for (int n : canonicalCellNumbers()) {
        record[kCellByte] = grid.cell(n) ? 1 : 0;
        bytes += record;
    }
    return bytes;
}

PresetRecords readPresetRecords(QByteArrayView bytes, const PresetGrid& current) {
    PresetRecords r;
    r.grid = current;
    const qsizetype records =
        std::min<qsizetype>(bytes.size() / kPresetRecordSize, kPresetRecordCount);
    if (records == 0) {
        r.status = PresetRecords::Status::NoData;
        return r;
    }
    if (bytes.first(kTagSize) != QByteArrayView(kTag, kTagSize)) {
        r.status = PresetRecords::Status::WrongVersion;
        return r;
    }
    r.status = PresetRecords::Status::Ok;
    const auto& order = canonicalCellNumbers();
    for (qsizetype i = 1; i < records; ++i) {
        const char cell = bytes[i * kPresetRecordSize + kCellByte];
        r.grid.setCell(order[static_cast<size_t>(i - 1)], cell != 0);
        ++r.cellsRead;
    }
    const QByteArrayView last = bytes.sliced((records - 1) * kPresetRecordSize, kPresetRecordSize);
    r.options.timeAxis = indexFromByte(last[kTimeAxisByte], kTimeAxisItems);
    r.options.onOff = indexFromByte(last[kOnOffByte], kOnOffItems);
    r.options.pwmMode = indexFromByte(last[kPwmByte], kPwmItems);
    return r;
}

QString PresetFileRead::reason(Lang lang) const {
    return ownReason ? (*ownReason)(lang) : systemReason;
}

PresetFileRead readPresetFile(const QString& path, const PresetGrid& current) {
    PresetFileRead r;
    r.records.grid = current;
    const QFileInfo info(path);
    if (!info.exists()) {
        r.status = PresetFileRead::Status::Missing;
        return r;
    }
    r.status = PresetFileRead::Status::NoData;
    if (info.isDir()) {
        r.ownReason = Bi{"jde o složku, ne o soubor", "it is a folder, not a file"};
        return r;
    }
    // A pipe or a device under the name: opening or reading it could block.
    if (!info.isFile()) {
        r.ownReason = Bi{"nejde o obyčejný soubor", "it is not an ordinary file"};
        return r;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.systemReason = file.errorString();
        return r;
    }
    // A read error ends the records like the end of the file does.
    const QByteArray bytes = file.read(kPresetFileSize);
    r.records = readPresetRecords(bytes, current);
    r.status = r.records.status == PresetRecords::Status::Ok ? PresetFileRead::Status::Ok
               : r.records.status == PresetRecords::Status::WrongVersion
                   ? PresetFileRead::Status::WrongVersion
                   : PresetFileRead::Status::NoData;
    return r;
}

std::optional<QString> writePresetFile(const QString& path, const PresetGrid& grid,
                                       const PatternOptions& options) {
    return replaceFileContents(path, presetFileBytes(grid, options));
}

QString presetSavePath(const QString& chosen) {
    static const QString kExtension = QStringLiteral(".rcl");
    return chosen.contains(kExtension, Qt::CaseSensitive) ? chosen : chosen + kExtension;
}

QString bareFileName(const QString& path) {
    // Qt hands out "/" on every platform; Windows users may also type "\".
    const QString normal = QDir::fromNativeSeparators(path);
    return normal.mid(normal.lastIndexOf(QLatin1Char('/')) + 1);
}

QString presetFileTitle(const QString& path, const QString& plainTitle) {
    return bareFileName(path) + QStringLiteral(" - ") + plainTitle;
}

Message presetFileNotFoundMessage(Lang lang, const QString& path) {
    static constexpr Bi text{"Otevíraný soubor %1 nebyl nenalezen !!!", "File %1 was`t find !!!"};
    return {MsgKind::Error, text(lang).arg(quoted(path))};
}

namespace {

QString withReason(Lang lang, const QString& text, const QString& reason) {
    if (reason.isEmpty()) {
        return text;
    }
    static constexpr Bi label{"Příčina: %1", "Reason: %1"};
    return text + QStringLiteral("\r\n\r\n") + label(lang).arg(reason);
}

}  // namespace

Message presetFileNoDataMessage(Lang lang, const QString& path, const QString& reason) {
    static constexpr Bi text{"Otevíraný soubor %1 neobsahuje žádná data !!!",
                             "File %1 contains no data !!!"};
    return {MsgKind::Error, withReason(lang, text(lang).arg(quoted(path)), reason)};
}

Message presetFileVersionMessage(Lang lang, const QString& path) {
    static constexpr Bi text{
        "Neplatná verze souboru %1 !!!\r\rSoubor se nepodařilo otevřít ! Kontaktujte, prosím, "
        "autora programu s popisem události.",
        "Invalid file version %1 !!!\r\rCan`t open a file !"};
    return {MsgKind::Warning, text(lang).arg(quoted(path))};
}

Message presetFileSaveFailedMessage(Lang lang, const QString& reason) {
    // The same Czech text in both languages, as the program always had it.
    return {MsgKind::Error,
            withReason(lang, QString::fromUtf8("Soubor se nepodařilo uložit !!!"), reason)};
}

QString presetFileOverwriteQuestion(Lang lang, const QString& path) {
    static constexpr Bi text{"Soubor %1 již existuje,\r\rskutečně jej chcete přepsat ?",
                             "File %1 exists,\r\roverwrite it ?"};
    return text(lang).arg(quoted(path));
}

}  // namespace lumidor
