#pragma once

#include <QString>

namespace word {

class Selection;

// Selection.Font: sizes in points, colours as Word's BGR integers
// (wd::ColorAutomatic is automatic).
class Font {
public:
    explicit Font(Selection& selection) : m_selection(selection) {}

    QString Name() const;
    void setName(const QString& name);
    double Size() const;
    void setSize(double points);
    int Color() const;
    void setColor(int color);
    bool Bold() const;
    void setBold(bool bold);

private:
    Selection& m_selection;
};

} // namespace word
