#include "core/HelpFile.h"

#include <QRegularExpression>

namespace k9 {

QList<HelpTopic> parseHelpFile(const QString &content)
{
    static const QRegularExpression heading(QStringLiteral("^\\[(\\d{1,9})\\]\\s*(.*)$"));
    QList<HelpTopic> topics;
    QStringList body;
    auto flush = [&] {
        if (!topics.isEmpty())
            topics.last().text = body.join(u'\n').trimmed();
        body.clear();
    };
    for (QString line : content.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#'))
            continue;
        const auto match = heading.match(line);
        if (match.hasMatch()) {
            flush();
            topics.append({match.captured(1).toInt(), match.captured(2).trimmed(), QString()});
        } else if (!topics.isEmpty()) {
            body << line;
        }
    }
    flush();
    return topics;
}

QString writeHelpFile(const QList<HelpTopic> &topics)
{
    QString out = QStringLiteral("# Ayuda de k9RMA: cada tema empieza con una línea \"[número] título\".\n");
    for (const HelpTopic &t : topics)
        out += QStringLiteral("\n[%1] %2\n%3\n").arg(t.number).arg(t.title, t.text);
    return out;
}

QList<HelpTopic> defaultHelpTopics()
{
    return {
        {10, QStringLiteral("k9RMA: garantías, devoluciones y servicio técnico"),
         QStringLiteral("k9RMA atiende los productos que los clientes traen en garantía o para reparación.\n\n"
                        "Recepción: registre el cliente y cada producto recibido, con su serial, falla y condición "
                        "física; al procesar se numera el RMA, se cobra la revisión o el adelanto y se imprime.\n\n"
                        "Presupuesto y Servicio: presupueste los productos recibidos, registre la aprobación del "
                        "cliente línea por línea y siga el trabajo en la orden de servicio hasta totalizarla.\n\n"
                        "Citas y Tareas: programe las citas con los clientes y las tareas del taller.\n\n"
                        "Teclas: Intro pasa al campo siguiente, las flechas arriba y abajo se mueven entre campos, "
                        "Esc cierra la ventana, Ctrl+P imprime la ventana y F1 muestra esta ayuda.")},
        {20, QStringLiteral("Ingreso al sistema"),
         QStringLiteral("Escriba su nombre de usuario y su clave. El administrador define los días y horas en "
                        "que cada usuario puede entrar, y la vigencia de su cuenta. Tras tres intentos "
                        "fallidos, el cuarto cierra el programa.")},
    };
}

} // namespace k9
