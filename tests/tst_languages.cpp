// SPDX-License-Identifier: GPL-3.0-or-later
// The window in other languages, on a real window against the emulator. In a pseudo-language that wraps
// every catalogue text in ⟦ ⟧, a walk over every window, view, menu, question, notice and tooltip the
// tests can reach finds no text outside the markers but the transmitter's own words and values; in
// German and Chinese no label, button or tab of those windows is cut short.
#include "files/language.h"
#include "files/paramfile.h"
#include "params/choicelists.h"
#include "params/meanings.h"
#include "params/modelsheet.h"
#include "params/namedfields.h"
#include "params/pilotlabels.h"
#include "params/rules.h"
#include "params/settingtext.h"
#include "support/linkrig.h"
#include "support/modalwatcher.h"

#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

using support::LinkRig;
using support::ModalWatcher;

namespace {

// A text a person sees, and where.
struct Shown {
    QString text;
    QString where;
    QWidget *widget = nullptr; // the widget that must hold it whole; null for menus, tooltips, titles
};

QString whereOf(const QObject *o)
{
    QStringList path;
    for (; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className())
                                               : o->objectName());
    return path.join(QLatin1Char('/'));
}

void addMenu(QVector<Shown> &seen, QMenu *menu, const QString &where)
{
    seen.append({menu->title(), where, nullptr});
    for (QAction *a : menu->actions()) {
        if (a->isSeparator()) continue;
        seen.append({a->text(), where + QLatin1Char('>') + a->text(), nullptr});
        if (!a->toolTip().isEmpty() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            seen.append({a->toolTip(), where + QStringLiteral(">tooltip"), nullptr});
        if (a->menu()) addMenu(seen, a->menu(), where + QLatin1Char('>') + a->text());
    }
}

// Every text the visible widgets under `root` show or explain themselves with.
QVector<Shown> textsOf(QWidget *root)
{
    QVector<Shown> seen;
    if (root->isWindow())
        seen.append({QString(root->windowTitle()).remove(QStringLiteral("[*]")), whereOf(root)});
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(root) && w != root) continue;
        const QString where = whereOf(w);
        if (!w->toolTip().isEmpty()) seen.append({w->toolTip(), where + QStringLiteral(" tooltip")});
        if (auto *label = qobject_cast<QLabel *>(w)) {
            QString text = label->text();
            if (Qt::mightBeRichText(text)) {
                QTextDocument doc;
                doc.setHtml(text);
                text = doc.toPlainText();
            }
            seen.append({text, where, label->wordWrap() ? nullptr : w});
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            seen.append({button->text(), where, w});
            if (auto *tool = qobject_cast<QToolButton *>(w); tool && tool->menu())
                addMenu(seen, tool->menu(), where);
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            seen.append({group->title(), where, nullptr});
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            seen.append({edit->placeholderText(), where + QStringLiteral(" placeholder")});
        } else if (auto *bar = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < bar->count(); ++i)
                seen.append({bar->tabText(i), where + QStringLiteral(" tab")});
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            const QAbstractItemModel *model = view->model();
            if (!model) continue;
            for (int c = 0; c < model->columnCount(); ++c)
                seen.append(
                    {model->headerData(c, Qt::Horizontal).toString(), where + QStringLiteral(" header")});
            for (int r = 0; r < std::min(model->rowCount(), 40); ++r)
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QModelIndex i = model->index(r, c);
                    seen.append({i.data().toString(), where + QStringLiteral(" row")});
                    seen.append({i.data(Qt::ToolTipRole).toString(), where + QStringLiteral(" row tooltip")});
                }
        }
    }
    for (QAction *a : root->actions())
        if (!a->text().isEmpty()) seen.append({a->text(), whereOf(root) + QStringLiteral(" action")});
    return seen;
}

// The transmitter's own words: the form's captions, choices and buttons, and the settings' labels. The
// form's come from a list kept beside this test, so a new text on the form is a decision, not a slip.
QSet<QString> transmitterWords()
{
    QSet<QString> words;
    QFile list(QStringLiteral(TXCONFIG_SOURCE_DIR "/tests/data/transmitter-words.txt"));
    if (list.open(QIODevice::ReadOnly | QIODevice::Text))
        for (const QByteArray &line : list.readAll().split('\n'))
            if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                words.insert(QString::fromUtf8(line.trimmed()));
    // Each setting's label whole and in its parts (the sheet's headings and rows), its name, and its
    // values as the sheet writes them.
    const ParameterSet values[] = {ParameterSet{}, factorySet()};
    for (const NamedField &f : kNamedFields) {
        words.insert(pilotLabel(f));
        words.insert(pilotShortLabel(f));
        words.insert(QLatin1String(f.name));
        const QStringList parts = pilotLabel(f).split(QStringLiteral(" / "));
        for (int i = 0; i < parts.size(); ++i) words.insert(parts.mid(i).join(QStringLiteral(" / ")));
        words.insert(parts.mid(1, parts.size() - 2).join(QStringLiteral(" / ")));
        for (const ParameterSet &p : values) {
            words.insert(settingText(f, p));
            words.insert(sheetValue(f, p));
        }
    }
    // The editors that show no setting of their own carry their place on the form instead.
    for (const char *name : {"comboBox_AUX1", "comboBox_AUX2", "comboBox_AUX3", "comboBox_AUX4",
                             "comboBox_DR_SW1", "comboBox_DR_MIX2", "comboBox_DR_CH2", "spinBox_DR_RATE",
                             "spinBox_DR_EXP", "spinBox_Vertion", "comboBox_PRM02_Master_2"})
        words.insert(meaningOf(QLatin1String(name)).label);
    // The form's choice lists, whose items the editors' tooltips list.
    for (const auto *list :
         {&choices::direction, &choices::unassigned, &choices::auxSource, &choices::onOff,
          &choices::dualRateChannel, &choices::dualRateSwitch, &choices::dualRatePosition,
          &choices::attitudeChannel, &choices::mixState, &choices::channel, &choices::pcVersion})
        for (const char *item : *list) words.insert(QString::fromUtf8(item));
    // The Language menu names each language in its own words.
    words.insert(QStringLiteral("English"));
    for (const ShippedLanguage &l : kShippedLanguages) words.insert(QString::fromUtf8(l.ownName));
    return words;
}

// Numbers, times, percentages, voltages, ports and paths read the same in every language.
bool isValue(const QString &text)
{
    static const QRegularExpression value(QStringLiteral(
        R"(^(\(?[-+]?[0-9][0-9.,:]*\s?(%|V|dBm|ms|s|µs|x|×)?\)?|%|V|dBm|V[0-9.]+|((Ctrl|Shift|Alt|Meta)\+)*(F[0-9]{1,2}|[A-Z0-9])|[0-9]{4}-[0-9]{2}-[0-9]{2}( [0-9:.]+)?|/[^\s]*|[A-F0-9]{4}(:[A-F0-9]{4})?|[-–—/()\s,:]*)$)"));
    return value.match(text.trimmed()).hasMatch();
}

// What is left of `text` once every ⟦...⟧ is taken out, split where the catalogue's texts were.
QStringList outsideMarkers(const QString &text)
{
    static const QRegularExpression marked(QStringLiteral("⟦[^⟦⟧]*⟧"));
    QString rest = text;
    // Innermost first: an argument may itself be a marked text.
    for (int before = -1; before != rest.size();) {
        before = rest.size();
        rest.replace(marked, QStringLiteral("\n"));
    }
    QStringList parts;
    for (const QString &part : rest.split(QLatin1Char('\n'))) {
        const QString p = part.trimmed();
        if (!p.isEmpty()) parts << p;
    }
    return parts;
}

// What the key does in the window, without waiting for the platform to make the window active.
bool press(QWidget *window, const QKeySequence &key)
{
    for (QAction *a : window->findChildren<QAction *>())
        if (a->isEnabled() && a->shortcuts().contains(key)) {
            a->trigger();
            return true;
        }
    return false;
}

// Each window and question the walk reaches, with its texts read while it is shown.
class Walk
{
public:
    std::function<void(const QString &window, QWidget *shown)> visit;

    void run()
    {
        QTemporaryDir files;
        QVERIFY(files.isValid());
        LinkRig rig;
        ParameterSet model;
        model.sub1 = 12;
        model.Lepa2 = 85;
        rig.emu.setModel(model);
        QVERIFY(rig.start());
        rig.window->resize(1100, 680);
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
        ModalWatcher watcher;
        QString current;
        watcher.beforeAnswer = [&] { visit(current, QApplication::activeModalWidget()); };
        watcher.onLoadPreview = [&](QDialog *preview) {
            visit(QStringLiteral("LOAD's look"), preview);
            return false;
        };
        auto ask = [&](const QString &what, const std::function<void()> &act, const QString &answer = {}) {
            current = what;
            watcher.answer = answer;
            act();
            QTest::qWait(50);
        };

        // Before the link: the port's note, WRITE's question over start-up values, RESET's question.
        ask(QStringLiteral("READ without a link"), [&] { rig.button("toolButton_Read")->click(); });
        QVERIFY(rig.openLink());
        ask(
            QStringLiteral("WRITE of start-up values"), [&] { rig.button("toolButton_Send")->click(); },
            QStringLiteral("Cancel"));
        ask(
            QStringLiteral("RESET"), [&] { rig.button("toolButton_Reset")->click(); },
            QStringLiteral("Cancel"));
        rig.button("toolButton_Read")->click();
        QTRY_VERIFY(rig.find<QSpinBox>("spinBox_sub1")->value() == 12);

        // An edit, then READ's question about it; the window with its marks, menus and tooltips.
        rig.find<QSpinBox>("spinBox_sub2")->setValue(7);
        ask(
            QStringLiteral("READ over edits"), [&] { rig.button("toolButton_Read")->click(); },
            QStringLiteral("Cancel"));
        auto *tabs = rig.find<QTabWidget>("tabWidget");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            visit(QStringLiteral("the window, page %1").arg(page), rig.window.get());
        }

        // A damaged file to LOAD: the question about its frames, then the look at what it changes.
        const QString damaged = files.filePath(QStringLiteral("damaged.txt"));
        ParameterSet fileModel = model;
        fileModel.sub3 = -20;
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(parameterFileBytes(fileModel).left(2 * 81));
        file.close();
        watcher.answerFileDialog(damaged);
        ask(
            QStringLiteral("LOAD of a damaged file"), [&] { rig.button("toolButton_Load")->click(); },
            QStringLiteral("Discard"));
        QTest::qWait(200);

        // The views, each from its key.
        const struct {
            const char *name;
            QKeySequence key;
            const char *objectName;
        } views[] = {
            {"History", QKeySequence(Qt::CTRL | Qt::Key_H), "historyWindow"},
            {"Changes", QKeySequence(Qt::CTRL | Qt::Key_D), "changesWindow"},
            {"Monitor", QKeySequence(Qt::CTRL | Qt::Key_M), "monitorWindow"},
        };
        for (const auto &v : views) {
            QVERIFY2(press(rig.window.get(), v.key), v.name);
            auto *view = rig.window->findChild<QWidget *>(v.objectName);
            QVERIFY2(view && view->isVisible(), v.name);
            QTest::qWait(300); // the History counts its differences after the first paint
            visit(QString::fromLatin1(v.name), view);
            view->close();
        }
        QVERIFY(press(rig.window.get(), QKeySequence(Qt::CTRL | Qt::Key_F)));
        auto *finder = rig.window->findChild<QWidget *>("settingFinder");
        QVERIFY(finder && finder->isVisible());
        finder->findChild<QLineEdit *>("findField")->setText(QStringLiteral("trim"));
        QTest::qWait(50);
        visit(QStringLiteral("Find"), finder);
        QTest::keyClick(finder->findChild<QLineEdit *>("findField"), Qt::Key_Escape);

        // WRITE, checked: its notice at the window's foot.
        ask(QStringLiteral("WRITE"), [&] { rig.button("toolButton_Send")->click(); });
        auto *notice = rig.window->findChild<QLabel *>("noticeBar");
        QVERIFY(notice && notice->isVisible());
        visit(QStringLiteral("WRITE's notice"), notice);

        // Closing with edits asks first.
        rig.find<QSpinBox>("spinBox_sub2")->setValue(9);
        ask(
            QStringLiteral("closing with edits"), [&] { rig.window->close(); }, QStringLiteral("Cancel"));
        rig.window->setWindowModified(false);
    }
};

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("txconfig.*=false")); }

    // Longer German words and Chinese glyphs fit their labels, buttons and tabs.
    void translatedTextsFit_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void translatedTextsFit()
    {
        QFETCH(QString, language);
        const Translations translations(language);
        const QSet<QString> words = transmitterWords();
        QStringList clipped;
        int measured = 0;
        Walk walk;
        walk.visit = [&](const QString &window, QWidget *w) {
            for (const Shown &s : textsOf(w)) {
                if (!s.widget || s.text.isEmpty() || words.contains(s.text) || isValue(s.text)) continue;
                ++measured;
                const int needed = s.widget->sizeHint().width();
                if (needed > s.widget->width())
                    clipped << QStringLiteral("%1 | %2: \"%3\" needs %4 px, has %5")
                                   .arg(window, s.where, s.text)
                                   .arg(needed)
                                   .arg(s.widget->width());
            }
            // Tabs are sized by the bar: each must hold its text.
            for (QTabBar *bar : w->findChildren<QTabBar *>())
                for (int i = 0; i < bar->count(); ++i)
                    if (bar->isVisible() &&
                        bar->tabRect(i).width() < bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
                        clipped << QStringLiteral("%1 | tab \"%2\"").arg(window, bar->tabText(i));
        };
        walk.run();
        QVERIFY2(measured > 30, qPrintable(QString::number(measured)));
        clipped.removeDuplicates();
        QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("\n") + clipped.join(QLatin1Char('\n'))));
    }

    // Every text reached is the catalogue's (inside ⟦ ⟧), the transmitter's own, or a value. After the
    // walks in German and Chinese, so that a text kept from an earlier language shows here too.
    void everyTextComesFromTheCatalogue()
    {
        QTranslator pseudo;
        QVERIFY2(pseudo.load(QStringLiteral(TXCONFIG_PSEUDO_QM)), TXCONFIG_PSEUDO_QM);
        QCoreApplication::installTranslator(&pseudo);
        const QSet<QString> words = transmitterWords();
        QStringList bare;
        auto known = [&](const QString &part) { return words.contains(part) || isValue(part); };
        auto check = [&](const QString &where, const QString &text) {
            for (const QString &part : outsideMarkers(text)) {
                // A list of the form's choices, as an editor's tooltip gives them.
                const QStringList items = part.split(QStringLiteral(", "));
                if (!std::all_of(items.begin(), items.end(), known))
                    bare << QStringLiteral("%1: \"%2\"").arg(where, part);
            }
        };
        Walk walk;
        int shown = 0;
        walk.visit = [&](const QString &window, QWidget *w) {
            for (const Shown &s : textsOf(w)) {
                check(window + QStringLiteral(" | ") + s.where, s.text);
                ++shown;
            }
        };
        walk.run();
        // The model sheet, as exported.
        QVector<const NamedField *> all;
        for (const NamedField &f : kNamedFields) all << &f;
        SheetHeading heading;
        heading.source = QStringLiteral("⟦test⟧");
        QTextDocument sheet;
        sheet.setHtml(modelSheetHtml(ParameterSet{}, all, heading));
        for (const QString &line : sheet.toPlainText().split(QLatin1Char('\n')))
            for (const QString &cell : line.split(QLatin1Char('\t')))
                check(QStringLiteral("model sheet"), cell);
        QCoreApplication::removeTranslator(&pseudo);

        bare.removeDuplicates();
        for (const QString &line : bare) qWarning("outside the catalogue: %s", qPrintable(line));
        QVERIFY2(shown > 800, qPrintable(QString::number(shown)));
        QVERIFY2(bare.isEmpty(), qPrintable(QStringLiteral("\n") + bare.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
