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
        {15, QStringLiteral("Menú principal"),
         QStringLiteral("Elija cada operación en el menú o en la barra de botones: Mantenimiento (inventario de "
                        "servicio, historial y existencia), RMA (recepción y consulta), Operaciones (presupuestos, "
                        "servicios, citas y tareas), Informes y Sistema. Cada opción abre su ventana; al cerrarla "
                        "vuelve a este menú.\n\n"
                        "Las opciones en gris aún no están disponibles. Títulos y Correlativos y Configuración solo "
                        "las ve el administrador.\n\n"
                        "La barra inferior muestra la ayuda del control, el equipo, el estado de las teclas "
                        "Insert, Bloq Num y Bloq Mayús, la fecha de trabajo y la hora. Salir cierra el programa.")},
        {20, QStringLiteral("Ingreso al sistema"),
         QStringLiteral("Escriba su nombre de usuario y su clave. El administrador define los días y horas en "
                        "que cada usuario puede entrar, y la vigencia de su cuenta. Tras tres intentos "
                        "fallidos, el cuarto cierra el programa.")},
        {25, QStringLiteral("Clientes"),
         QStringLiteral("Registre un cliente nuevo: el código y el nombre son obligatorios; el código no puede "
                        "existir ya (se guarda en mayúsculas). La dirección, el teléfono, el R.I.F. y el N.I.T. "
                        "son opcionales. Aceptar guarda el cliente y cierra la ventana; Cancelar cierra sin "
                        "guardar.")},
        {45, QStringLiteral("Forma de pago"),
         QStringLiteral("Reparta el monto a pagar en líneas de efectivo, cheque, tarjeta de débito o de crédito: "
                        "escriba el monto, elija el tipo y, si corresponde, el banco o la tarjeta y el número del "
                        "documento. Intro pasa al campo siguiente; en el último, agrega la línea.\n\n"
                        "Doble clic o Intro sobre una línea la corrige; Borrar quita la línea elegida. Monto "
                        "Pagado suma las líneas y Vuelto muestra lo que se devuelve al cliente.\n\n"
                        "Aceptar confirma el pago (cuando se pide un monto mínimo, basta con cubrirlo); Cancelar "
                        "o Esc lo abandonan tras confirmarlo.")},
    };
}

} // namespace k9
