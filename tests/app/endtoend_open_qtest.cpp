// Preset files from outside the window: named on the command line, dropped on it.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUndoStack>

#include "presets/presetfile.h"
#include "support/endtoend.h"

using namespace lumidor;
using namespace lumidor::test;

namespace {

const Bi kTitle{"RC Lumidor konfigurátor HW v4.0", "RC Lumidor configurator HW v4.0"};
const PatternOptions kFileOptions{3, 2, 1};

PresetGrid fileGrid() {
    PresetGrid g;
    for (int n : {1, 101, 180}) {
        g.setCell(n, true);
    }
    return g;
}

}  // namespace

class EndToEndOpenTest : public QObject, public EndToEnd {
    Q_OBJECT

    QString file(const QString& name) const { return QDir(folder_).filePath(name); }

    void startWith(const QList<FileArgument>& arguments) {
        form_ = std::make_unique<TMainForm>(folder_);
        form_->openAtStart(arguments);
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    // Sent where the pointer would be over a read-only edit, which leaves
    // the drag to the window.
    bool dragEnter(const QMimeData& data) {
        QWidget* over = child<QLineEdit>("eVoltage");
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(over, &enter);
        if (enter.isAccepted()) {
            [&] { QCOMPARE(enter.dropAction(), Qt::CopyAction); }();
        }
        return enter.isAccepted();
    }
    void drop(const QMimeData& data) {
        QDropEvent event(QPointF(2, 2), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(form_.get(), &event);
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void init() {
        setUp();
        QLocale::setDefault(QLocale(QLocale::English));
        // Cell 7 alone: what the window shows when nothing was opened.
        QVERIFY(writeAll(settingsFile(), "[Presets]\r\nChB7=1\r\n"));
        QVERIFY(
            writeAll(file(QStringLiteral("good.rcl")), presetFileBytes(fileGrid(), kFileOptions)));
        QVERIFY(writeAll(file(QStringLiteral("bad.rcl")), "0123456789"));
        QVERIFY(writeAll(file(QStringLiteral("notes.txt")), "plain text"));
        QVERIFY(QDir(folder_).mkdir(QStringLiteral("folder")));
    }
    void cleanup() { tearDown(); }

    // Each argument as the open button would take it, after the first
    // activation's search and boxes; a name that cannot be a preset file gets
    // its own box and changes nothing.
    void startArguments_data() {
        QTest::addColumn<QStringList>("names");  // in the settings folder, "=" for as given
        QTest::addColumn<QByteArray>("raw");     // null: as the system encodes the name
        QTest::addColumn<QLocale::Language>("locale");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<Boxes>("boxes");  // %1: the (last) name, quoted
        QTest::addColumn<bool>("opened");
        const auto warning = [](const char* cz, const char* en) {
            return Box{MsgKind::Warning, Bi{cz, en}};
        };
        const Box otherType =
            warning("Otevíraný soubor %1 není soubor předvoleb RC Lumidor (*.rcl) !!!",
                    "File %1 is not an RC Lumidor preset file (*.rcl) !!!");
        const Box notAFile =
            warning("Parametr %1 není název souboru, který by šlo otevřít !!!",
                    "Argument %1 is not the name of a file that can be opened !!!");
        const QByteArray asEncoded;
        const QLocale::Language en = QLocale::English;

        QTest::newRow("preset file") << QStringList{QStringLiteral("good.rcl")} << asEncoded << en
                                     << true << Boxes{} << true;
        QTest::newRow("over the first effect")
            << QStringList{QStringLiteral("good.rcl")} << asEncoded << en << false
            << Boxes{{MsgKind::Warning, kFileMissing}} << true;
        QTest::newRow("missing") << QStringList{QStringLiteral("gone.rcl")} << asEncoded << en
                                 << true
                                 << Boxes{{MsgKind::Error, Bi{"", "File %1 was`t find !!!"}}}
                                 << false;
        QTest::newRow("damaged") << QStringList{QStringLiteral("bad.rcl")} << asEncoded << en
                                 << true
                                 << Boxes{{MsgKind::Error, Bi{"", "File %1 contains no data !!!"}}}
                                 << false;
        QTest::newRow("folder") << QStringList{QStringLiteral("folder")} << asEncoded << en << true
                                << Boxes{warning("", "File %1 is a folder, not a preset file !!!")}
                                << false;
        QTest::newRow("other type") << QStringList{QStringLiteral("notes.txt")} << asEncoded << en
                                    << true << Boxes{otherType} << false;
        QTest::newRow("other type, cz") << QStringList{QStringLiteral("notes.txt")} << asEncoded
                                        << QLocale::Czech << true << Boxes{otherType} << false;
        QTest::newRow("option") << QStringList{QStringLiteral("=--help")} << asEncoded << en << true
                                << Boxes{notAFile} << false;
        QTest::newRow("lost characters")
            << QStringList{QStringLiteral("good?.rcl")} << QByteArray("good\xe9.rcl") << en << true
            << Boxes{warning("",
                             "The name of file %1 contains characters the system could not pass "
                             "to the program !!!\r\rPlease rename the file and open it again.")}
            << false;
        QTest::newRow("bad, then good")
            << QStringList{QStringLiteral("=--help"), QStringLiteral("good.rcl")} << asEncoded << en
            << true << Boxes{notAFile} << true;
    }
    void startArguments() {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, raw);
        QFETCH(QLocale::Language, locale);
        QFETCH(bool, settings);
        QFETCH(Boxes, boxes);
        QFETCH(bool, opened);
        QLocale::setDefault(QLocale(locale));
        if (!settings) {
            QVERIFY(QFile::remove(settingsFile()));
        }
        QList<FileArgument> arguments;
        for (const QString& name : names) {
            const QString path = name.startsWith(QLatin1Char('=')) ? name.mid(1) : file(name);
            arguments.append({path, raw.isNull() ? path.toLocal8Bit() : QByteArray(raw)});
        }
        startWith(arguments);

        const Lang lang = form_->lang();
        QCOMPARE(lang, locale == QLocale::Czech ? Lang::Czech : Lang::English);
        const QString quoted =
            QLatin1Char('"') + QDir::toNativeSeparators(arguments.first().path) + QLatin1Char('"');
        Messages expected;
        for (const Box& box : boxes) {
            const QString text = box.text(lang);
            expected.append(
                {box.kind, text.contains(QLatin1String("%1")) ? text.arg(quoted) : text});
        }
        QCOMPARE(dialogs_->shown, expected);
        QCOMPARE(form_->searchCount(), 1);
        QCOMPARE(form_->interfaceBox()->nameCaption(), QStringLiteral("RC_LINKUP"));
        const Pattern shown = form_->presetEditor()->pattern();
        if (opened) {
            QCOMPARE(shown.grid, fileGrid());
            QCOMPARE(shown.options, kFileOptions);
            QCOMPARE(form_->windowTitle(), QStringLiteral("good.rcl - ") + kTitle(lang));
        } else {
            QCOMPARE(shown.grid.litCount(), 1);
            QVERIFY(shown.grid.cell(7));
            QCOMPARE(form_->windowTitle(), kTitle(lang));
        }
    }

    // A single preset file dropped anywhere opens as the open button would;
    // every other drag is refused (the "no drop" cursor) and a drop changes nothing.
    void drops() {
        startWith({});
        const Pattern before = form_->presetEditor()->pattern();
        const int steps = form_->presetEditor()->undoStack()->count();
        const auto urls = [this](const QStringList& names) {
            auto* data = new QMimeData;
            QList<QUrl> list;
            for (const QString& name : names) {
                list.append(QUrl::fromLocalFile(file(name)));
            }
            data->setUrls(list);
            return std::unique_ptr<QMimeData>(data);
        };
        QMimeData text;
        text.setText(file(QStringLiteral("good.rcl")));
        QVERIFY(!dragEnter(text));
        for (const QStringList& names :
             {QStringList{QStringLiteral("notes.txt")}, QStringList{QStringLiteral("folder")},
              QStringList{QStringLiteral("gone.rcl")},
              QStringList{QStringLiteral("good.rcl"), QStringLiteral("bad.rcl")}}) {
            const auto data = urls(names);
            QVERIFY2(!dragEnter(*data), qPrintable(names.join(QLatin1Char(' '))));
            drop(*data);
        }
        QCOMPARE(form_->presetEditor()->pattern(), before);
        QCOMPARE(form_->presetEditor()->undoStack()->count(), steps);
        QCOMPARE(form_->windowTitle(), kTitle(Lang::English));
        QVERIFY(dialogs_->shown.isEmpty());

        const auto good = urls({QStringLiteral("good.rcl")});
        QVERIFY(dragEnter(*good));
        drop(*good);
        QCOMPARE(form_->presetEditor()->pattern().grid, fileGrid());
        QCOMPARE(form_->windowTitle(), QStringLiteral("good.rcl - ") + kTitle(Lang::English));
        QCOMPARE(form_->presetEditor()->undoStack()->count(), steps + 1);
        QVERIFY(dialogs_->shown.isEmpty());
    }
};

QTEST_MAIN(EndToEndOpenTest)
#include "endtoend_open_qtest.moc"
