#include "reception/UserFields.h"

#include "core/Messages.h"
#include "data/Query.h"

namespace k9 {

QList<UserFieldDefinition> loadUserFieldDefinitions(const QString &rmaDir)
{
    QList<UserFieldDefinition> definitions;
    const QString failure = QStringLiteral("Error al intentar cargar los campos nuevos.");
    const std::shared_ptr<Database> db = Database::shared(rmaDir);
    if (!db) {
        messages().error(failure);
        return definitions;
    }
    Query q(*db);
    if (!q.run(QStringLiteral("SELECT * FROM k9DetalleRecepcionConfig WHERE (FS_CAMPO LIKE :pattern) "),
               {{QStringLiteral(":pattern"), QStringLiteral("RMD_ZCAMPO%")}})) {
        messages().error(failure);
        return definitions;
    }
    while (q.next()) {
        UserFieldDefinition d;
        d.field = q.text(QStringLiteral("FS_CAMPO"));
        d.control = q.text(QStringLiteral("FS_NOMCOMP"));
        d.inUse = q.boolean(QStringLiteral("FS_USACOMP"));
        d.title = q.text(QStringLiteral("FS_TITULO"));
        d.message = q.text(QStringLiteral("FS_MENSAJE"));
        d.type = q.text(QStringLiteral("FS_TIPO"));
        definitions << d;
    }
    return definitions;
}

int defaultControlKind(const QString &type)
{
    if (type == u"Numerico")
        return ControlKind::NumberEdit;
    if (type == u"Fecha")
        return ControlKind::DateEdit;
    if (type == u"Booleano")
        return ControlKind::CheckBox;
    if (type == u"Memo")
        return ControlKind::Memo;
    return ControlKind::Edit;
}

bool kindHoldsValue(int kind)
{
    return kind >= ControlKind::Edit && kind <= ControlKind::Memo;
}

Money numberFromValue(const QString &text)
{
    const QVariant v = storedFieldValue({QString(), ControlKind::NumberEdit, text, QString()});
    return v.isValid() ? v.value<Money>() : Money();
}

int indexFromValue(const QString &text)
{
    bool ok = false;
    const int index = text.trimmed().toInt(&ok);
    return ok ? index : 0;
}

bool itemCheckFromValue(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value != 0;
}

bool componentCheckFromValue(const QString &text)
{
    return text != u"0";
}

} // namespace k9
