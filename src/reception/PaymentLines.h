#pragma once

#include "core/Money.h"
#include "core/Records.h"

#include <QList>

namespace k9 {

// The lines of the payment window and the amounts kept with them: the amount due, the
// amount paid and the change. The list always ends with the entry line (type -1) and holds
// at most 10 lines; fixed advance lines (type -2) go before the entry line.
//
// Foreign-currency cash. A cash line whose currency factor is not 1 pays amount ÷ factor in
// the local currency; that quotient, rounded once to 4 decimals, is the line's share
// (share()). A non-cash line's share is its amount. Every change of the amount paid moves it
// by shares only: a commit takes the line's old share off and adds the new one, whatever the
// old and new types are, and a removal takes the line's share off. So the amount paid always
// equals the amount paid given by the caller plus the shares of the committed lines, however
// the lines were entered, edited and removed.
class PaymentLines
{
public:
    static constexpr int kMaxLines = 10;
    // The highest amount of a line, as the amount field takes it.
    static constexpr Money kMaxLineAmount = Money::fromRaw(99999999999999900); // 9999999999999.99

    // What the editor hands over when a line is committed.
    struct Entry
    {
        int type = 0;     // 0-3 (PaymentKind)
        QString code;     // the currency, bank or card chosen
        QString name;     // the text shown for it
        QString detail;
        Money amount;
        Money factor = Money::fromUnits(1); // FM_FACTOR of a cash line's currency
    };

    enum class CommitResult { Committed, TooManyLines, NotPositive, OutOfRange, NotEditable };
    enum class OpenResult { Open, Fixed, TooManyLines };
    enum class RemoveResult { Removed, Fixed, NoSelection, EntryLine };
    enum class AcceptResult { Accepted, BelowMinimum, BelowTotal };

    PaymentLines();

    // ---- Inputs -----------------------------------------------------------------------
    Money amountDue() const { return m_due; }
    void setAmountDue(Money due) { m_due = due; }
    Money amountPaid() const { return m_paid; }
    // The caller sets the advance here when it gives a fixed advance line.
    void setAmountPaid(Money paid) { m_paid = paid; }
    // Share of the amount due that must be paid: 1 for the whole amount.
    Money minimumFraction() const { return m_fraction; }
    void setMinimumFraction(Money fraction) { m_fraction = fraction; }
    // True: "&Aceptar" asks for at least the minimum; false: for the whole amount.
    bool minimumCheck() const { return m_minimumCheck; }
    void setMinimumCheck(bool check) { m_minimumCheck = check; }
    // Inserts a fixed advance line (type -2, factor 1) before the entry line. Refused (false)
    // when the list is full.
    bool addFixedLine(Money amount, const QString &detail = QString());

    // ---- Lines --------------------------------------------------------------------------
    const QList<TFormaPago> &lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    const TFormaPago &line(int row) const { return m_lines.at(row); }
    int entryRow() const { return count() - 1; }
    bool isFull() const { return count() >= kMaxLines; }
    // No payment and no fixed line yet: the first line is still the entry line.
    bool firstIsEntryLine() const { return m_lines.front().type == PaymentKind::LineaEntrada; }

    // What a line counts towards the amount paid (see the class comment).
    static Money share(const TFormaPago &line);
    static Money share(int type, Money amount, Money factor);
    // The factor a cash line uses: a factor that is not positive counts as 1.
    static Money effectiveFactor(Money factor);

    // ---- Amounts --------------------------------------------------------------------------
    // Amount due × minimum fraction (4 decimals), shown as the minimum.
    Money minimumAmount() const;
    // The minimum "&Aceptar" asks for: the minimum amount cut to 2 decimals.
    Money requiredMinimum() const;
    // Amount paid − amount due when positive, else 0.
    Money change() const;
    // The amount the editor proposes when the window is shown: with the minimum check, what
    // is still missing of the minimum when something is, else what is missing of the total;
    // never below 0.
    Money proposedAmount() const;
    // Amount due − amount paid, never below 0 (Esc in the editor).
    Money amountStillDue() const;
    // Amount due × minimum fraction − amount paid when positive, else 0: the amount the
    // entry line carries after a commit or a removal.
    Money missingAmount() const;

    // ---- Commands --------------------------------------------------------------------------
    // Whether line `row` may be opened in the editor: not a fixed line, and not while the
    // list is full.
    OpenResult canOpen(int row) const;
    // Commits the editor's entry into line `row` (a payment line or the entry line). On
    // success the amount paid moves by the shares, and the entry line that follows carries
    // the missing amount (a new one is appended when `row` was the entry line). Nothing
    // changes on any other result: TooManyLines with a full list, NotPositive for an amount
    // that is not above 0, OutOfRange for a share above kMaxLineAmount, NotEditable for a
    // fixed line or a row that does not exist.
    CommitResult commit(int row, const Entry &entry);
    // Removes payment line `row` (-1: nothing selected) and takes its share off the amount
    // paid; the entry line then carries the new missing amount.
    RemoveResult remove(int row);
    // "&Aceptar": whether enough was paid.
    AcceptResult accept() const;

private:
    static TFormaPago entryLine(Money amount);

    QList<TFormaPago> m_lines;
    Money m_due;
    Money m_paid;
    Money m_fraction = Money::fromUnits(1);
    bool m_minimumCheck = false;
};

} // namespace k9
