#pragma once

#include "core/Money.h"

#include <QString>

namespace k9 {

// Company identity, printed in every report and document header.
struct CompanyIdentity
{
    QString NombreEmpresa;
    QString DireccionEmpresa;
    QString TelefonoEmpresa;
    QString RifEmpresa;
    QString NitEmpresa;
};

// Tax and currency defaults of the company.
struct TaxDefaults
{
    Money TasaImpuesto1;
    QString NombreImpuesto1;
    QString SimboloMoneda;
    Money FactorMoneda;
};

// Module options loaded from the one record of k9RMAConfig. The document counters are not
// here: they are read and written in the table at the moment of numbering.
struct ModuleOptions
{
    QString FC_DIRFORMA;
    QString FC_DIRBUPFORMA;
    bool FC_AVISOTAREA = false;
    bool FC_AVISOCITAS = false;
    qint64 FC_CODECAJACHICA = -1;
    QString FC_ITEMREVISION;
    Money FC_MTOREVISION;
    bool FC_CAMBIARMTOREV = false;
    bool FC_BUSQHISTORIAL = false;
    bool FC_CONFIRBUSQHIST = false;
    QString FC_PERIODOHISTO;
    qint64 FC_NROPERIODOSBUSQ = 0;
    bool FC_CAMPORECIBIDOX = false;
    bool FC_CAMPOFECHARECEP = false;
    bool FC_CAMPOSERIAL = false;
    bool FC_CAMPOCONFISICA = false;
    bool FC_CAMPOFALLA = false;
    qint64 FC_PRECIOPIEZASERV = 0;
    qint64 FC_PRECIOGARANTIA = 0;
    qint64 FC_FECHATERMINO = 0;
    bool FC_CAMBIARMTOPS = false;
    Money FC_PORCENTPAGO;
    bool FC_VISUALIZARCITA = false;
    qint64 FC_DEPOSITOSERV = -1;
    qint64 FC_DEPOSITOGARANTIA = -1;
};

CompanyIdentity &company();
TaxDefaults &taxDefaults();
ModuleOptions &options();

// The password encoding of the host suite's users table: each character's code plus the
// digit at the same position of the repeated key "4065038", wrapping at 256.
QString CodificarClave(const QString &text);

} // namespace k9

namespace k9 {

// The user accepted at log-in and the preferences read from the user record.
struct UserSession
{
    QString UsuarioActual;      // the name as typed
    qint64 CodigoUsuario = 0;   // 1 is the administrator
    QString CodigoUsuarioTexto;
    QString NombreUsuario;
    QString Grupo;
    bool ModificaEstadistica = false;
    bool AllowSystem = false;
    bool Activar3D = true; // the 3-D look (false: flat), 3-D until a user logs in
    bool FlagMonedas = false;
    bool LoadAllTransaction = false;
    bool ForcePreview = false;
    bool HidePrinter = false;
    bool PrinterSetup = false;
    bool BoldEncabezados = false;
    QByteArray FlagTransaccion;

    bool isAdministrator() const { return CodigoUsuario == 1; }
};

UserSession &session();

} // namespace k9
