#pragma once

#include <QComboBox>
#include <QList>
#include <QStringList>
#include <QVariant>

class QStandardItemModel;
class QTreeView;

namespace k9 {

class Table;

// One displayed column of a lookup combo: "field" TAB width (characters) TAB caption TAB
// flags, as in "FM_DESCRIPCION\t10\t\tT".
struct LookupColumn
{
    QString field;
    int width = 10;
    QString caption;
    QString flags;

    static LookupColumn parse(const QString &spec);
};

// A combo over the rows of a table: its list shows two columns of each row, it shows the
// first, and its value is the lookup field of the row chosen.
class LookupCombo : public QComboBox
{
    Q_OBJECT

public:
    struct Row
    {
        QVariant key;      // the lookup field
        QStringList texts; // one per displayed column
    };

    explicit LookupCombo(QWidget *parent = nullptr);

    const QString &lookupTable() const { return m_table; }
    void setLookupTable(const QString &table) { m_table = table; }
    const QString &lookupField() const { return m_field; }
    void setLookupField(const QString &field) { m_field = field; }
    const QList<LookupColumn> &columns() const { return m_columns; }
    void setColumns(const QList<LookupColumn> &columns);
    void setRows(const QList<Row> &rows);

    // The lookup field of the row shown; invalid when none is.
    QVariant value() const;
    // Shows the row whose lookup field equals `key` (compared as text); none when no row does.
    void setValue(const QVariant &key);
    void clearValue() { setCurrentIndex(-1); }
    // Whether its list is dropped down.
    bool isOpen() const;

    void showPopup() override;

signals:
    void valueChanged(const QVariant &key);

private:
    QStandardItemModel *m_model;
    QTreeView *m_view;
    QString m_table;
    QString m_field;
    QList<LookupColumn> m_columns;
};

// Prepares `combo` over `table`: its lookup field, its two displayed columns (column
// specifications as in LookupColumn) and the rows of the table (in the table's order,
// within its range and filter); then shows the row whose lookup field equals `valueField`
// of the table's current row. The table is left on that row; it must not be in edit. On failure: "Error al cargar
// la tabla " + table name + "." (error) and false.
bool PrepararLookup(LookupCombo *combo, Table &table, const QString &lookupField, const QString &column1,
                    const QString &column2, const QString &valueField);

} // namespace k9
