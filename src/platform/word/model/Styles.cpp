#include "Styles.h"

namespace word {

namespace {

Border singleHalfPoint() {
    return Border{BorderStyle::Single, 4, Color::autoColor(), 0, false};
}

TableStyle normalTable() {
    TableStyle style;
    style.styleId = QStringLiteral("TableNormal");
    style.name = QStringLiteral("Normal Table");
    style.isDefault = true;
    return style;
}

TableStyle tableGrid() {
    TableStyle style;
    style.styleId = QStringLiteral("TableGrid");
    style.name = QStringLiteral("Table Grid");
    style.basedOn = QStringLiteral("TableNormal");
    style.paragraph.spacingAfter = 0;
    style.paragraph.line = 240;
    style.paragraph.lineRule = LineRule::Auto;
    const Border b = singleHalfPoint();
    style.borders = TableBorders{b, b, b, b, b, b};
    return style;
}

} // namespace

const TableStyle* Styles::tableStyle(const QString& styleId) const {
    for (const TableStyle& style : tableStyles)
        if (style.styleId == styleId)
            return &style;
    return nullptr;
}

const TableStyle* Styles::tableStyleByName(const QString& name) const {
    for (const TableStyle& style : tableStyles)
        if (style.name.compare(name, Qt::CaseInsensitive) == 0)
            return &style;
    return nullptr;
}

Styles defaultStyles() {
    Styles styles;
    styles.defaults.run.font = QStringLiteral("Calibri");
    styles.defaults.run.sizeHalfPoints = 22;
    styles.defaults.run.color = Color::autoColor();
    styles.defaults.run.bold = false;
    styles.defaults.paragraph.alignment = Alignment::Left;
    styles.defaults.paragraph.spacingBefore = 0;
    styles.defaults.paragraph.spacingAfter = 160;
    styles.defaults.paragraph.line = 259;
    styles.defaults.paragraph.lineRule = LineRule::Auto;
    styles.defaults.paragraph.widowControl = true;
    styles.tableStyles = {normalTable(), tableGrid()};
    return styles;
}

} // namespace word
