#include "data/Login.h"

#include "core/Globals.h"
#include "core/Messages.h"
#include "data/Startup.h"
#include "data/TableHelpers.h"
#include "data/Workspace.h"

#include <optional>

namespace k9 {

namespace {

const QString kNotInstalled = QStringLiteral(
    "El sistema no se encuentra instalado. Los archivos  de la aplicación no han sido creados en el "
    "directorio especificado por el administrador de la aplicación.");
const QString kBlocked = QStringLiteral(
    "El acceso al sistema ha sido bloqueado. Ha superado el máximo número de intentos para introducir la clave.");
const QString kWrong = QStringLiteral("Usuario no registrado o clave incorrecta. Intente de nuevo.");
const QString kRefused = QStringLiteral("El acceso a este módulo no está autorizado por el administrador.");

} // namespace

std::optional<bool> scheduleAllows(const QString &jornada, const QString &horario, const QDateTime &now)
{
    const int day = now.date().dayOfWeek() % 7 + 1; // 1 Sunday .. 7 Saturday
    int hour = now.time().hour() - 6;
    if (hour < 0)
        hour += 24;
    const int slot = (day - 1) * 24 + hour; // 0-based
    if (jornada.size() < day || horario.size() <= slot)
        return std::nullopt;
    return jornada[day - 1] == u'1' && horario[slot] == u'1';
}

LoginCheck::LoginCheck(const QString &dataDir) : m_users(CrearTabla(dataDir, QStringLiteral("Susuarios")))
{
    if (!m_users->isActive() || !m_users->setIndex(QStringLiteral("CLAVE"))) {
        messages().error(kNotInstalled);
        return;
    }
    m_ready = true;
}

LoginCheck::~LoginCheck() = default;

LoginCheck::Outcome LoginCheck::fail()
{
    ++m_failures;
    if (m_failures > kAllowedFailures) {
        messages().warn(kBlocked);
        m_users->close();
        return Outcome::Blocked;
    }
    messages().warn(kWrong);
    return Outcome::Retry;
}

bool LoginCheck::allowed(const QDateTime &now) const
{
    const Table &u = *m_users;
    if (!u.boolean(QStringLiteral("AccesoAdm")) || u.integer(QStringLiteral("Status")) != 0)
        return false;
    const auto schedule = scheduleAllows(u.text(QStringLiteral("Jornada")), u.text(QStringLiteral("Horario")), now);
    if (schedule.has_value() && !*schedule)
        return false;
    const QDate today = now.date();
    const QDate from = u.date(QStringLiteral("FechaCreación"));
    const QDate until = u.date(QStringLiteral("FechaCaduca"));
    // An empty date reads as the platform's day zero, long past.
    return (!from.isValid() || from <= today) && until.isValid() && today <= until;
}

LoginCheck::Outcome LoginCheck::attempt(const QString &userName, const QString &password, const QDateTime &now)
{
    if (!m_ready)
        return Outcome::Blocked;
    const QString encoded = CodificarClave(password);
    // Several users may share a password: the one with the typed name is the one logging in.
    m_users->setRange({encoded}, {encoded});
    const QString name = userName.trimmed().toUpper();
    bool found = false;
    for (bool ok = m_users->first(); ok; ok = m_users->next()) {
        if (m_users->text(QStringLiteral("Nombre")).trimmed().toUpper() == name) {
            found = true;
            break;
        }
    }
    if (!found) {
        m_users->cancelRange();
        return fail();
    }
    if (!allowed(now)) {
        messages().error(kRefused);
        m_users->close();
        return Outcome::Refused;
    }
    accept(userName);
    m_users->cancelRange();
    return Outcome::Accepted;
}

void LoginCheck::accept(const QString &typedName)
{
    const Table &u = *m_users;
    UserSession &s = session();
    s = UserSession();
    s.UsuarioActual = typedName;
    s.CodigoUsuario = u.integer(QStringLiteral("Code"));
    s.CodigoUsuarioTexto = QString::number(s.CodigoUsuario);
    s.NombreUsuario = u.text(QStringLiteral("Nombre"));
    s.Grupo = u.text(QStringLiteral("Grupo"));
    s.ModificaEstadistica = u.boolean(QStringLiteral("ModificaEstadistica"));
    s.AllowSystem = u.boolean(QStringLiteral("AllowSystem"));
    s.Activar3D = u.boolean(QStringLiteral("Activar3D"));
    s.FlagMonedas = u.boolean(QStringLiteral("FlagMonedas"));
    s.LoadAllTransaction = u.boolean(QStringLiteral("LoadAllTransaction"));
    s.ForcePreview = u.boolean(QStringLiteral("ForcePreview"));
    s.HidePrinter = u.boolean(QStringLiteral("HidePrinter"));
    s.PrinterSetup = u.boolean(QStringLiteral("PrinterSetup"));
    // Kept as text by the host suite ("True"/"False").
    const QString bold = u.text(QStringLiteral("BoldEncabezados")).trimmed();
    s.BoldEncabezados = bold.compare(u"True", Qt::CaseInsensitive) == 0 || bold == u"1";
    LeerBlob(QStringLiteral("FlagTransaccion"), 20088, s.FlagTransaccion, QStringLiteral("los permisos del usuario"), u);
    applyUserDirectories(paths().DirTrabajo, u.text(QStringLiteral("Directorio_Datos")),
                         u.text(QStringLiteral("Directorio_Formatos")), u.text(QStringLiteral("Directorio_Reportes")));
}

} // namespace k9
