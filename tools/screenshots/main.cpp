// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every page of the main window, or the pages named after <dir>, to <dir>/<page>.png for the
// documentation; at a scale factor above 1 (QT_SCALE_FACTOR=2) the files are <page>@2x.png. Two more
// are made only when named, under a real X server (Xvfb): "focus", the top bar with READ reached by
// Tab, and "portlist", the port list dropped down, a separate window that only the screen shows.
// "changes" (offscreen too) reads a model from the emulator, edits three values and renders the BASIC
// page with its marks (marked.png) and the Changes view beside it (changes.png); "finder", the finder
// open, and "sheet", the model sheet of an edited form as <dir>/sheet.pdf.
// "languages CODE...": for each language the History view (history-CODE.png), READ's question about
// edits (question-CODE.png) and the finder (finder-CODE.png), against the emulator.
// "monitor", also only when named: the Monitor window after 12 s of the emulator's stream, with the
// cursor's read-out.
#include "app/mainwindow.h"
#include "files/language.h"
#include "files/sheetfile.h"
#include "params/modelsheet.h"
#include "txemulator.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(const QPixmap &shot, const QString &path)
{
    if (!shot.save(path)) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The emulator on a pseudo-terminal, read, and three values of the BASIC page edited.
bool renderChanges(const QString &dir)
{
    TxEmulator emu;
    if (!emu.open()) return false;
    ParameterSet model;
    model.sub2 = 6;
    model.Lepa4 = 90;
    model.FS3 = 25;
    emu.setModel(model);
    qputenv("TXCONFIG_EXTRA_PORTS", emu.slavePath().toLocal8Bit());
    const QTemporaryDir history; // the READ's copy is kept, but not among the pilot's own
    qputenv("TXCONFIG_HISTORY_DIR", history.path().toLocal8Bit());
    MainWindow window;
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    auto *box = window.findChild<QComboBox *>(QStringLiteral("portNameBox"));
    box->grab(); // lists the ports
    box->setCurrentIndex(box->findText(emu.slavePath()));
    window.findChild<QPushButton *>(QStringLiteral("openButton"))->click();
    window.findChild<QAbstractButton *>(QStringLiteral("toolButton_Read"))->click();
    tabs->setCurrentWidget(tabs->findChild<QWidget *>(QStringLiteral("tab_2")));
    window.findChild<QSpinBox *>(QStringLiteral("spinBox_sub2"))->setValue(-14);
    window.findChild<QSpinBox *>(QStringLiteral("spinBox_Lepa4"))->setValue(110);
    window.findChild<QSpinBox *>(QStringLiteral("spinBox_FS3"))->setValue(60);
    // One edit on every other page too, so each tab shows its marker.
    for (const char *name : {"spinBox_Atti3", "spinBox_DR_EXP", "spinBox_PRM02_Data2", "spinBox_Mode"}) {
        auto *box = window.findChild<QSpinBox *>(QLatin1String(name));
        box->setValue(box->value() == box->minimum() ? box->maximum() : box->minimum());
    }
    settle(350);
    if (!save(window.grab(), dir + QStringLiteral("/marked.png"))) return false;
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);
    auto *changes = window.findChild<QDialog *>(QStringLiteral("changesWindow"));
    if (!changes) return false;
    settle(200);
    return save(changes->grab(), dir + QStringLiteral("/changes.png"));
}

// What `key` does in `window`, whether or not the platform has made the window active yet.
void press(QWidget *window, const QKeySequence &key)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (a->isEnabled() && a->shortcuts().contains(key)) return a->trigger();
}

// The History view, READ's question about edits and the finder in `language`, against the emulator.
bool renderLanguage(const QString &dir, const QString &language)
{
    const Translations translations(language);
    TxEmulator emu;
    if (!emu.open()) return false;
    ParameterSet model;
    model.sub2 = 6;
    model.Lepa4 = 90;
    emu.setModel(model);
    qputenv("TXCONFIG_EXTRA_PORTS", emu.slavePath().toLocal8Bit());
    const QTemporaryDir history;
    qputenv("TXCONFIG_HISTORY_DIR", history.path().toLocal8Bit());
    MainWindow window;
    window.show();
    auto *box = window.findChild<QComboBox *>(QStringLiteral("portNameBox"));
    box->grab();
    box->setCurrentIndex(box->findText(emu.slavePath()));
    window.findChild<QPushButton *>(QStringLiteral("openButton"))->click();
    auto *read = window.findChild<QAbstractButton *>(QStringLiteral("toolButton_Read"));
    read->click();
    window.findChild<QSpinBox *>(QStringLiteral("spinBox_sub2"))->setValue(-14);
    window.findChild<QAbstractButton *>(QStringLiteral("toolButton_Send"))->click();
    window.findChild<QSpinBox *>(QStringLiteral("spinBox_FS3"))->setValue(60);
    const QString suffix = QLatin1Char('-') + language + QStringLiteral(".png");
    bool ok = true;
    // The question is modal: grabbed from inside its own event loop, then declined.
    QTimer::singleShot(400, [&] {
        auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!question) {
            ok = false;
            return;
        }
        ok = save(question->grab(), dir + QStringLiteral("/question") + suffix) && ok;
        question->reject();
    });
    read->click();
    press(&window, QKeySequence(Qt::CTRL | Qt::Key_H));
    settle(600); // the differences are counted after the first paint
    auto *historyWindow = window.findChild<QDialog *>(QStringLiteral("historyWindow"));
    if (!historyWindow) return false;
    ok = save(historyWindow->grab(), dir + QStringLiteral("/history") + suffix) && ok;
    historyWindow->close();
    press(&window, QKeySequence(Qt::CTRL | Qt::Key_F));
    auto *find = window.findChild<QLineEdit *>(QStringLiteral("findField"));
    if (!find) return false;
    find->setText(QStringLiteral("trim"));
    settle(300);
    ok = save(window.grab(), dir + QStringLiteral("/finder") + suffix) && ok;
    window.session().close();
    window.setWindowModified(false);
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // The scale comes from QT_SCALE_FACTOR alone, not from the offscreen screen's DPI; the icons are
    // drawn from their full-size images as on a high-DPI desktop (always so on Qt 6).
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    const QStringList wanted = app.arguments().mid(2);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }

    if (wanted.value(0) == QLatin1String("languages")) {
        int failed = 0;
        for (const QString &language : wanted.mid(1)) failed += renderLanguage(dir, language) ? 0 : 1;
        return failed == 0 ? 0 : 1;
    }

    MainWindow window;
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    if (!tabs) return 1;

    // Pages by their widget, not their index: the tabs are movable.
    const std::pair<const char *, const char *> pages[] = {
        {"tab", "servo"},      {"tab_2", "basic"},   {"tab_3", "advance1"},
        {"tab_4", "advance2"}, {"tab_7", "progmix"}, {"tab_6", "system"},
    };
    int failures = 0;
    int rendered = 0;
    for (const auto &[page, file] : pages) {
        if (wanted.value(0) == QLatin1String("changes")) break;
        if (!wanted.isEmpty() && !wanted.contains(QLatin1String(file))) continue;
        tabs->setCurrentWidget(tabs->findChild<QWidget *>(QLatin1String(page)));
        // a few display passes and curve repaints, so the page shows what a user would see
        QEventLoop settle;
        QTimer::singleShot(350, &settle, &QEventLoop::quit);
        settle.exec();
        const QPixmap shot = window.grab();
        const QString scale =
            shot.devicePixelRatio() > 1 ? QStringLiteral("@%1x").arg(shot.devicePixelRatio()) : "";
        const QString path = dir + '/' + file + scale + ".png";
        if (shot.save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++rendered;
        } else {
            ++failures;
        }
    }
    auto *box = window.findChild<QComboBox *>(QStringLiteral("portNameBox"));
    const QRect topBar(window.mapToGlobal(QPoint(0, 0)), QSize(window.width(), 330));
    for (const char *extra : {"focus", "portlist"}) {
        if (!wanted.contains(QLatin1String(extra))) continue;
        window.activateWindow();
        settle(300);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab); // OPEN
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QLatin1String(extra) == QLatin1String("portlist")) {
            box->setFocus();
            box->showPopup();
        }
        settle(400);
        const QPixmap shot =
            window.screen()->grabWindow(0, topBar.x(), topBar.y(), topBar.width(),
                                        QLatin1String(extra) == QLatin1String("focus") ? 110 : 330);
        const QString path = dir + '/' + extra + ".png";
        if (shot.save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++rendered;
        } else {
            ++failures;
        }
        box->hidePopup();
    }
    if (wanted.contains(QLatin1String("changes"))) {
        if (renderChanges(dir))
            rendered += 2;
        else
            ++failures;
    }
    if (wanted.contains(QLatin1String("monitor"))) {
        TxEmulator emulator;
        if (!emulator.open() || !window.session().open(emulator.slavePath())) return 1;
        window.findChild<QAction *>(QStringLiteral("monitorAction"))->trigger();
        settle(12000); // a full 10 s span of moving channels
        auto *monitor = window.findChild<QDialog *>(QStringLiteral("monitorWindow"));
        auto *plot = monitor->findChild<QWidget *>(QStringLiteral("channelPlot"));
        QMouseEvent move(QEvent::MouseMove, QPointF(plot->width() * 0.6, plot->height() / 2.0), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        settle(100);
        const QString path = dir + QStringLiteral("/monitor.png");
        if (monitor->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
            ++rendered;
        } else {
            ++failures;
        }
        window.session().close();
    }
    auto saved = [&](bool ok, const QString &path) {
        if (ok) std::printf("%s\n", qPrintable(path));
        ok ? ++rendered : ++failures;
    };
    // The finder over BASIC with two words typed, as Ctrl+F opens it.
    if (wanted.contains(QLatin1String("finder"))) {
        tabs->setCurrentWidget(tabs->findChild<QWidget *>(QStringLiteral("tab_2")));
        window.activateWindow();
        settle(300);
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("dual rate"));
        settle(200);
        const QString path = dir + QStringLiteral("/finder.png");
        saved(window.grab().save(path), path);
    }
    // The sheet of a form with a few edits, as a PDF; scripts/screenshots makes its page images.
    if (wanted.contains(QLatin1String("sheet"))) {
        const std::pair<const char *, int> edits[] = {{"spinBox_Lepa1", 110},
                                                      {"spinBox_sub3", -12},
                                                      {"spinBox_THCURE_Data04", 45},
                                                      {"spinBox_Atti2", 35}};
        for (const auto &[name, value] : edits)
            window.findChild<QSpinBox *>(QLatin1String(name))->setValue(value);
        window.findChild<QComboBox *>(QStringLiteral("comboBox_rev2"))->setCurrentIndex(1);
        QVector<const NamedField *> all;
        for (const NamedField &f : kNamedFields) all.append(&f);
        SheetHeading heading{QStringLiteral("example model"), QDateTime::currentDateTime(),
                             QStringLiteral("ttyUSB0"), QStringLiteral("50")};
        const QString path = dir + QStringLiteral("/sheet.pdf");
        QString error;
        saved(writeSheetFile(path, modelSheetHtml(params, all, heading), &error), path);
    }
    if (rendered < wanted.size())
        std::fprintf(stderr, "unknown page among %s\n", qPrintable(wanted.join(' ')));
    return failures == 0 && rendered >= wanted.size() ? 0 : 1;
}
