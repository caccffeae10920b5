#include "controls/LookupCombo.h"

#include "core/Messages.h"
#include "data/Table.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

namespace k9 {

namespace {
constexpr int kKeyRole = Qt::UserRole + 1;
} // namespace

LookupColumn LookupColumn::parse(const QString &spec)
{
    const QStringList parts = spec.split(u'\t');
    LookupColumn column;
    column.field = parts.value(0).trimmed();
    bool ok = false;
    const int width = parts.value(1).trimmed().toInt(&ok);
    if (ok && width > 0)
        column.width = width;
    column.caption = parts.value(2);
    column.flags = parts.value(3);
    return column;
}

LookupCombo::LookupCombo(QWidget *parent)
    : QComboBox(parent), m_model(new QStandardItemModel(this)), m_view(new QTreeView(this))
{
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->header()->setStretchLastSection(true);
    setModel(m_model);
    setView(m_view);
    setModelColumn(0);
    setCurrentIndex(-1);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit valueChanged(value()); });
}

void LookupCombo::setColumns(const QList<LookupColumn> &columns)
{
    m_columns = columns;
    QStringList captions;
    bool anyCaption = false;
    for (const LookupColumn &c : columns) {
        captions << c.caption;
        anyCaption = anyCaption || !c.caption.isEmpty();
    }
    m_model->setColumnCount(static_cast<int>(columns.size()));
    m_model->setHorizontalHeaderLabels(captions);
    m_view->setHeaderHidden(!anyCaption);
    const int charWidth = fontMetrics().averageCharWidth();
    int total = 0;
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const int width = columns[i].width * charWidth + 8;
        m_view->setColumnWidth(static_cast<int>(i), width);
        total += width;
    }
    m_view->setMinimumWidth(total + 24);
}

void LookupCombo::setRows(const QList<Row> &rows)
{
    const QSignalBlocker blocker(this);
    m_model->removeRows(0, m_model->rowCount());
    const int columnCount = qMax(1, static_cast<int>(m_columns.size()));
    for (const Row &row : rows) {
        QList<QStandardItem *> items;
        for (int c = 0; c < columnCount; ++c) {
            auto *item = new QStandardItem(row.texts.value(c));
            item->setEditable(false);
            items << item;
        }
        items.front()->setData(row.key, kKeyRole);
        m_model->appendRow(items);
    }
    setCurrentIndex(-1);
}

QVariant LookupCombo::value() const
{
    const int row = currentIndex();
    return row < 0 ? QVariant() : m_model->item(row, 0)->data(kKeyRole);
}

void LookupCombo::setValue(const QVariant &key)
{
    const QString wanted = key.toString();
    int found = -1;
    if (key.isValid()) {
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (m_model->item(row, 0)->data(kKeyRole).toString() == wanted) {
                found = row;
                break;
            }
        }
    }
    setCurrentIndex(found);
}

bool LookupCombo::isOpen() const
{
    return view()->isVisible();
}

void LookupCombo::showPopup()
{
    QComboBox::showPopup();
    if (currentIndex() >= 0)
        m_view->scrollTo(m_model->index(currentIndex(), 0));
}

bool PrepararLookup(LookupCombo *combo, Table &table, const QString &lookupField, const QString &column1,
                    const QString &column2, const QString &valueField)
{
    auto fail = [&table] {
        messages().error(QStringLiteral("Error al cargar la tabla ") + table.tableName() + QStringLiteral("."));
        return false;
    };
    // Reading the rows moves the cursor: a row being edited would be lost.
    if (!combo || table.state() == Table::State::Edit || table.state() == Table::State::Insert)
        return fail();
    if (!table.isActive() && !table.open())
        return fail();
    const QList<LookupColumn> columns{LookupColumn::parse(column1), LookupColumn::parse(column2)};
    for (const QString &field : {lookupField, columns[0].field, columns[1].field, valueField}) {
        if (!table.hasField(field))
            return fail();
    }

    combo->setLookupTable(table.tableName());
    combo->setLookupField(lookupField);
    combo->clearValue();
    combo->setColumns(columns);

    const bool hadRow = table.hasRow();
    const qint64 current = table.rowId();
    const QVariant wanted = hadRow ? table.value(valueField) : QVariant();
    QList<LookupCombo::Row> rows;
    for (bool more = table.first(); more; more = table.next())
        rows.append({table.value(lookupField), {table.text(columns[0].field), table.text(columns[1].field)}});
    if (!table.lastStatus())
        return fail();
    if (hadRow)
        table.gotoRowId(current);

    combo->setRows(rows);
    combo->setValue(wanted);
    return true;
}

} // namespace k9
