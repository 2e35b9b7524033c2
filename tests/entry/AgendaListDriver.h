#pragma once

#include "entry/AgendaList.h"
#include "entry/Form1.h"
#include "platform/controls/TabControl.h"
#include "support/Clicks.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>

namespace testing {

// The agenda list of a shown entry window, driven by keys and the mouse.
struct AgendaListDriver {
    Form1& f;

    QTreeWidget& list() const { return *f.ListView1; }
    QWidget* viewport() const { return f.ListView1->viewport(); }
    QList<entry::AgendaItem> rows() const { return entry::AgendaList::rows(*f.ListView1); }
    QStringList times() const {
        QStringList out;
        for (const entry::AgendaItem& item : rows())
            out << item.time;
        return out;
    }
    QList<int> selected() const { return entry::AgendaList::selectedRows(*f.ListView1); }

    // The middle of a cell, in viewport coordinates.
    QPoint cell(int row, int column = 0) const {
        return list().visualItemRect(list().topLevelItem(row)).topLeft() +
               QPoint(list().header()->sectionViewportPosition(column) +
                          list().header()->sectionSize(column) / 2,
                      list().visualItemRect(list().topLevelItem(row)).height() / 2);
    }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::mouseClick(viewport(), Qt::LeftButton, modifiers, cell(row));
    }
    void doubleClick(int row, int column) const {
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(row, column));
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, cell(row, column));
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        // An editor commits what Enter ends once the key has been handled.
        QCoreApplication::processEvents();
    }
    // Types into the cell editor that has the focus.
    void type(const QString& text) const {
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != f.ListView1);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
    }
    void focusList() const {
        f.SSTab1->setCurrentIndex(1);
        f.ListView1->setFocus();
        QTRY_VERIFY(f.ListView1->hasFocus());
    }
};

// Items named by their time only: "A", "B", ... with topic and room set.
inline QList<entry::AgendaItem> lettered(const QString& times) {
    QList<entry::AgendaItem> items;
    for (QChar c : times)
        items << entry::AgendaItem{c, QStringLiteral("Topic ") + c, QString(),
                                   QStringLiteral("Rm 1")};
    return items;
}

} // namespace testing
