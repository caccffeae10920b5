#include "reception/PaymentLines.h"

#include "core/BlobImages.h"
#include "core/CodeLists.h"
#include "core/Helpers.h"

namespace k9 {

namespace {

bool isPaymentKind(int type)
{
    return type >= PaymentKind::Efectivo && type <= PaymentKind::TarjetaCredito;
}

Money positiveOrZero(Money value)
{
    return value.isNegative() ? Money() : value;
}

} // namespace

PaymentLines::PaymentLines()
{
    m_lines.append(entryLine(Money()));
}

TFormaPago PaymentLines::entryLine(Money amount)
{
    TFormaPago line;
    line.type = PaymentKind::LineaEntrada;
    line.amount = amount;
    line.factor = Money::fromUnits(1);
    return line;
}

bool PaymentLines::addFixedLine(Money amount, const QString &detail)
{
    if (isFull())
        return false;
    TFormaPago line;
    line.type = PaymentKind::Adelanto;
    line.detail = detail.left(kPaymentDetailLength);
    line.amount = amount;
    line.factor = Money::fromUnits(1);
    m_lines.insert(entryRow(), line);
    return true;
}

Money PaymentLines::effectiveFactor(Money factor)
{
    return factor > Money() ? factor : Money::fromUnits(1);
}

Money PaymentLines::share(int type, Money amount, Money factor)
{
    if (type == PaymentKind::LineaEntrada)
        return Money();
    if (type == PaymentKind::Efectivo)
        return amount / effectiveFactor(factor);
    return amount;
}

Money PaymentLines::share(const TFormaPago &line)
{
    return share(line.type, line.amount, line.factor);
}

Money PaymentLines::minimumAmount() const
{
    return m_due * m_fraction;
}

Money PaymentLines::requiredMinimum() const
{
    return RedondearMoneda(minimumAmount(), 2, 1, false);
}

Money PaymentLines::change() const
{
    return positiveOrZero(m_paid - m_due);
}

Money PaymentLines::proposedAmount() const
{
    if (m_minimumCheck) {
        const Money missing = minimumAmount() - m_paid;
        if (missing > Money())
            return missing;
    }
    return amountStillDue();
}

Money PaymentLines::amountStillDue() const
{
    return positiveOrZero(m_due - m_paid);
}

Money PaymentLines::missingAmount() const
{
    return positiveOrZero(minimumAmount() - m_paid);
}

PaymentLines::OpenResult PaymentLines::canOpen(int row) const
{
    if (row >= 0 && row < count() && line(row).type == PaymentKind::Adelanto)
        return OpenResult::Fixed;
    if (isFull())
        return OpenResult::TooManyLines;
    return OpenResult::Open;
}

PaymentLines::CommitResult PaymentLines::commit(int row, const Entry &entry)
{
    if (row < 0 || row >= count() || line(row).type == PaymentKind::Adelanto || !isPaymentKind(entry.type))
        return CommitResult::NotEditable;
    if (isFull())
        return CommitResult::TooManyLines;
    if (entry.amount <= Money())
        return CommitResult::NotPositive;

    const Money factor = entry.type == PaymentKind::Efectivo ? effectiveFactor(entry.factor) : Money::fromUnits(1);
    const Money newShare = share(entry.type, entry.amount, factor);
    if (entry.amount > kMaxLineAmount || newShare > kMaxLineAmount)
        return CommitResult::OutOfRange;

    TFormaPago &target = m_lines[row];
    m_paid = m_paid - share(target) + newShare;
    const bool wasEntryLine = target.type == PaymentKind::LineaEntrada;
    target.type = entry.type;
    target.code = entry.code.left(kPaymentCodeLength);
    target.name = entry.name;
    target.detail = entry.detail.left(kPaymentDetailLength);
    target.amount = entry.amount;
    target.factor = factor;

    if (wasEntryLine)
        m_lines.append(entryLine(missingAmount()));
    else
        m_lines.last().amount = missingAmount();
    return CommitResult::Committed;
}

PaymentLines::RemoveResult PaymentLines::remove(int row)
{
    const bool exists = row >= 0 && row < count();
    if (exists && line(row).type == PaymentKind::Adelanto)
        return RemoveResult::Fixed;
    if (!exists)
        return RemoveResult::NoSelection;
    if (line(row).type == PaymentKind::LineaEntrada)
        return RemoveResult::EntryLine;
    m_paid -= share(line(row));
    m_lines.removeAt(row);
    m_lines.last().amount = missingAmount();
    return RemoveResult::Removed;
}

PaymentLines::AcceptResult PaymentLines::accept() const
{
    if (m_minimumCheck)
        return requiredMinimum() > m_paid ? AcceptResult::BelowMinimum : AcceptResult::Accepted;
    return m_due > m_paid ? AcceptResult::BelowTotal : AcceptResult::Accepted;
}

} // namespace k9
