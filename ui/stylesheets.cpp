// SPDX-License-Identifier: GPL-3.0-or-later
#include "stylesheets.h"

#include <QHash>
#include <QStringList>

namespace form {
namespace {

QString rule(const QString &selector, const QStringList &declarations)
{
    return selector + "{\n" + declarations.join('\n') + "\n}\n";
}

// The flat boxes: blue editors, grey captions, yellow read-outs. All share the outset, invisible border.
QStringList boxed(const QString &background, const QString &font, const QString &color)
{
    return {background,
            "border-style:outset;",
            "border-width:4px;",
            "border-radius:4px;",
            "border-color:rgba(0,0,0,0);",
            font,
            color,
            "padding:0px;"};
}

const QString kWhiteText = "color:rgba(255,255,255,255);";
const QString kYellowText = "color:rgba(255,255,0,255);";
const QString kBlue = "background-color: rgb(85, 170, 255);";
const QString kGrey = "background-color: rgb(70, 70, 70);";
const QString kHover[] = {"background-color:rgba(100,255,100,100);", "border-color:rgba(255,255,255,255);",
                          kWhiteText};

const QString kFocusColour = "rgba(255,170,0,255)";
// A value not on the transmitter: a deeper violet-blue, still white-on-dark like every editor.
const QString kPendingBackground = "background-color: rgb(110, 60, 190);";

QString editor(const QString &cls, int px)
{
    return rule(cls, boxed(kBlue, QString("font:bold %1px;").arg(px), kWhiteText)) +
           rule(cls + ":hover", {kHover[0], kHover[1], kHover[2]}) + editorMarkRules(cls);
}

QString lineEdit(const QString &background, int px, const QString &color)
{
    return rule("QLineEdit", boxed(background, QString("font:bold %1px;").arg(px), color));
}

QString button(const QString &cls, int px, const QString &pressedBackground, const QString &pressedColor)
{
    const QString background = cls == "QToolButton" ? "background-color:rgba(70,70,70,70);"
                                                    : "background-color:rgba(100,100,100,100);";
    return rule(cls, {background, "border-style:outset;", "border-width:4px;", "border-radius:10px;",
                      "border-color:rgba(0,0,0,0);", QString("font:bold %1px;").arg(px), kWhiteText,
                      "padding:0px;"}) +
           rule(cls + ":pressed", {pressedBackground, "border-color:rgba(255,255,255,30);",
                                   "border-style:inset;", pressedColor}) +
           rule(cls + ":hover", {kHover[0], kHover[1], kHover[2]}) + focusRule(cls);
}

QString commandButton(const QString &cls, int px)
{
    return button(cls, px, "background-color:rgba(100,255,100,200);", "color:rgba(0,0,0,100);");
}

QString rgba(const QColor &c)
{
    return QString("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

QString bar(const BarColours &colours)
{
    return rule("QProgressBar:vertical",
                {"border-radius:0px;", "background-color:" + rgba(colours.groove) + ";",
                 "color: transparent;", "text-align:center;"}) +
           rule("QProgressBar::chunk:vertical",
                {"background-color:" + rgba(colours.chunk) + ";", "margin:0px;", "height:1px;"});
}

QString gradient(const QString &x2, const QString &top)
{
    return "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:" + x2 + ", y2:1, stop:0 " + top +
           ", stop:1 rgba(255, 255, 255, 255));";
}

QString compose(Look look, const QString &cls)
{
    switch (look) {
    case Look::None:
        return QString();
    case Look::Central:
        return "background-color: rgb(40, 40, 40);";
    case Look::PageFrame:
        return "background-color: rgb(50, 50, 50);";
    case Look::ServoFrame:
        return "background-color: rgb(50,50, 50);";
    case Look::RedPage:
        return gradient("0", "rgba(255, 0, 0, 255)");
    case Look::RosePage:
        return gradient("0.006", "rgba(255, 19, 19, 255)");
    case Look::GroupTitle:
        return "color: rgb(255, 170, 0);\nfont: 75 11pt \"Arial\";";
    case Look::SubTrimTitle:
        return "color: rgb(255, 170, 0);\nfont: 75 12pt \"Arial\";";
    case Look::PortBox:
        // Its list drops down white, with the entry under the keys or the pointer in the editors' blue.
        return rule("QComboBox", {"background-color: rgb(255, 255, 255);", "font: 75 16pt \"Arial\";"}) +
               rule("QComboBox QAbstractItemView",
                    {"background-color: rgb(255, 255, 255);", "font: 75 16pt \"Arial\";",
                     "color: rgb(0, 0, 0);", "selection-background-color: rgb(85, 170, 255);",
                     "selection-color: rgb(255, 255, 255);"}) +
               rule("QComboBox:focus", {"border: 3px solid " + kFocusColour + ";"});
    case Look::Curve:
        return "background-color: rgb(255, 255, 255);";
    case Look::Tabs:
        return rule("QTabWidget::pane", {"border:10px;"}) + rule("QTabWidget::tab-bar", {"alignment:left;"}) +
               rule("QTabBar::tab",
                    {"border: none;", "border-top-left-radius: 10px;", "border-top-right-radius: 10px;",
                     "color: white;", "background: rgb(80,80,80);", "height: 50px;", "min-width: 140px;"}) +
               rule("QTabBar::tab:hover", {"background:rgba(0, 0, 0, 0);"}) +
               rule("QTabBar::tab:selected",
                    {"border-color: white;", "background:red;", "color:rgba(0, 255, 255, 255);"}) +
               rule("QTabBar::tab:selected:focus", {"border: 3px solid " + kFocusColour + ";"});
    case Look::Editor20:
        return editor(cls, 20);
    case Look::Editor22:
        return editor(cls, 22);
    case Look::TopCaption:
        return lineEdit(kGrey, 14, kWhiteText);
    case Look::TopReadout:
        return lineEdit(kGrey, 14, kYellowText);
    case Look::ServoValue:
        return lineEdit(kBlue, 26, kWhiteText);
    case Look::ServoCaption:
        return lineEdit("background-color: rgb(0, 0, 0);", 26, kYellowText);
    case Look::TrimReadout:
        return lineEdit(kGrey, 20, kYellowText);
    case Look::Caption:
        return lineEdit(kGrey, 20, kWhiteText);
    case Look::CaptionLarge:
        return lineEdit(kGrey, 22, kWhiteText);
    case Look::CaptionSmall:
        return lineEdit(kGrey, 16, kWhiteText);
    case Look::Button16:
        return commandButton(cls, 16);
    case Look::Button20:
        return commandButton(cls, 20);
    case Look::Button22:
        return commandButton(cls, 22);
    case Look::ResetButton:
        // RESET flashes yellow and red while held: it wipes the transmitter's settings.
        return button(cls, 20, "background-color:rgba(255,255,0,255);", "color:rgba(255,0,0,100);");
    case Look::Lamp:
        return rule(cls, {"background-color:rgba(70,70,70,70);", "border-style:outset;", "border-width:0px;",
                          "border-radius:0px;", "border-color:rgba(0,0,0,0);", "font:bold 16px;", kWhiteText,
                          "padding:0px;"});
    case Look::UpperBar:
    case Look::LowerBar:
        return bar(barColours(look));
    }
    return QString();
}

} // namespace

BarColours barColours(Look look)
{
    const QColor white(255, 255, 255), blue(0, 0, 255);
    if (look == Look::UpperBar) return {white, blue};
    return {blue, white};
}

QString focusRule(const QString &className)
{
    return rule(className + ":focus", {"border-color:" + kFocusColour + ";"});
}

QString pendingRule(const QString &className)
{
    return rule(className + "[pending=\"true\"]", {kPendingBackground});
}

QString editorMarkRules(const QString &className)
{
    return pendingRule(className) + focusRule(className);
}

QString styleSheet(Look look, const char *className)
{
    // Hundreds of widgets share a few dozen sheets; compose each one once.
    static QHash<QString, QString> cache;
    const QString cls = QString::fromLatin1(className);
    const QString key = QString::number(int(look)) + cls;
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.insert(key, compose(look, cls));
    return *it;
}

QPalette reverseBoxPalette()
{
    const QBrush white(QColor(255, 255, 255, 255));
    const QBrush blue(QColor(85, 170, 255, 255));
    QBrush placeholder(QColor(255, 255, 255, 128));
    placeholder.setStyle(Qt::NoBrush);
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setBrush(group, role, white);
        for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
            palette.setBrush(group, role, blue);
        palette.setBrush(group, QPalette::PlaceholderText, placeholder);
    }
    return palette;
}

} // namespace form
