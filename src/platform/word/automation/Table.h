#pragma once

#include "../model/Table.h"

#include <QString>

#include <memory>

namespace word {

class Document;
class TableObject;

// Table.Columns(i).
class Column {
public:
    Column(TableObject& table, int index) : m_table(table), m_index(index) {}
    double Width() const; // points
    void setWidth(double points);

private:
    TableObject& m_table;
    int m_index;
};

// Table.Borders(i), i a wd::BorderType: the four sides, inside horizontal
// and vertical, and the two diagonals.
class BorderObject {
public:
    BorderObject(TableObject& table, int index) : m_table(table), m_index(index) {}
    int LineStyle() const;
    void setLineStyle(int style);
    int LineWidth() const; // eighths of a point: wd::LineWidth
    void setLineWidth(int width);
    int Color() const;
    void setColor(int color);

private:
    word::Border read() const;
    void write(const word::Border& border);
    TableObject& m_table;
    int m_index;
};

class Borders {
public:
    explicit Borders(TableObject& table) : m_table(table) {}
    BorderObject Item(int index) { return BorderObject(m_table, index); }
    bool Shadow() const;
    void setShadow(bool shadow);

private:
    TableObject& m_table;
};

// A table of a document (Word's Table object), found by its place in the body.
class TableObject {
public:
    TableObject(std::shared_ptr<Document> doc, int block) : m_doc(std::move(doc)), m_block(block) {}

    word::Column Columns(int index) { return word::Column(*this, index); }
    word::Borders Borders() { return word::Borders(*this); }
    BorderObject Borders(int index) { return BorderObject(*this, index); }
    QString Style() const; // the style's name
    void setStyle(const QString& name);
    void setApplyStyleHeadingRows(bool on);
    void setApplyStyleLastRow(bool on);
    void setApplyStyleFirstColumn(bool on);
    void setApplyStyleLastColumn(bool on);
    bool ApplyStyleHeadingRows() const { return model().look.firstRow; }
    bool ApplyStyleLastRow() const { return model().look.lastRow; }
    bool ApplyStyleFirstColumn() const { return model().look.firstColumn; }
    bool ApplyStyleLastColumn() const { return model().look.lastColumn; }
    int rowCount() const { return static_cast<int>(model().rows.size()); }

    // For the proxies: the model, checked, and how to report a change.
    const word::Table& model() const;
    template <class F> void change(F&& edit) {
        edit(mutableModel());
        changed();
    }
    const Document& document() const { return *m_doc; }

private:
    word::Table& mutableModel() const;
    void changed();

    std::shared_ptr<Document> m_doc;
    int m_block;
};

} // namespace word
