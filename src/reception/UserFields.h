#pragma once

#include "core/Money.h"
#include "core/Records.h"

#include <QList>
#include <QString>

// The user-defined item fields as the item detail uses them: their definitions in
// k9DetalleRecepcionConfig and the conversions between a control and its value text.

namespace k9 {

struct UserFieldDefinition
{
    QString field;   // FS_CAMPO, "RMD_ZCAMPO" + n
    QString control; // FS_NOMCOMP
    bool inUse = false; // FS_USACOMP
    QString title;   // FS_TITULO
    QString message; // FS_MENSAJE
    QString type;    // FS_TIPO

    TRegistro registro() const { return {control, field}; }
};

// The definitions of the user-defined item fields (FS_CAMPO like "RMD_ZCAMPO%") of the
// module directory, in the table's order. On a read error: "Error al intentar cargar los
// campos nuevos." (error) and none.
QList<UserFieldDefinition> loadUserFieldDefinitions(const QString &rmaDir);

// The control kind a type starts with: "Numerico" a number edit, "Fecha" a date edit,
// "Booleano" a check box, "Memo" a memo, anything else a text edit.
int defaultControlKind(const QString &type);
// Whether a control of `kind` holds a value (the containers and labels do not).
bool kindHoldsValue(int kind);

// A stored value text put back into its control:
// the amount of a number edit (0 when it does not read);
Money numberFromValue(const QString &text);
// the index of a combo box or radio group (0 when it does not read);
int indexFromValue(const QString &text);
// a check box of an item: checked when the text is a non-zero integer;
bool itemCheckFromValue(const QString &text);
// a check box of a component: checked unless the text is "0".
bool componentCheckFromValue(const QString &text);

} // namespace k9
