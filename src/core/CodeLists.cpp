#include "core/CodeLists.h"

namespace k9 {

namespace {

// The text of `code` in a list whose first text belongs to the code `first`.
QString textOf(const QStringList &texts, int first, int code)
{
    const qsizetype index = static_cast<qsizetype>(code) - first;
    return index >= 0 && index < texts.size() ? texts.at(index) : QString();
}

const QStringList &docStatusList()
{
    static const QStringList list{
        QStringLiteral("Pendiente"),   QStringLiteral("Recibido"),
        QStringLiteral("Presupuestado"), QStringLiteral("En Servicio"),
        QStringLiteral("En Garantia"), QStringLiteral("En G&S"),
        QStringLiteral("Finalizado"),  QStringLiteral("Entregado"),
        QStringLiteral("Devuelto"),    QStringLiteral("Anulado"),
    };
    return list;
}

const QStringList &operationTypeList()
{
    static const QStringList list{
        QStringLiteral("Servicio"), QStringLiteral("Garantia"),
        QStringLiteral("Presupuesto"), QStringLiteral("G&S"),
    };
    return list;
}

const QStringList &reasonList()
{
    static const QStringList list{
        QStringLiteral("Servicio"),   QStringLiteral("Evaluación"),
        QStringLiteral("Cambio"),     QStringLiteral("Reparación"),
        QStringLiteral("Actualización"), QStringLiteral("Otro"),
    };
    return list;
}

const QStringList &receivedAsList()
{
    static const QStringList list{
        QStringLiteral("Garantia"), QStringLiteral("Servicio"), QStringLiteral("G&S"),
    };
    return list;
}

const QStringList &itemPriorityList()
{
    static const QStringList list{
        QStringLiteral("Maxima"), QStringLiteral("Alta"),
        QStringLiteral("Media"), QStringLiteral("Regular"),
    };
    return list;
}

const QStringList &budgetLineStatusList()
{
    static const QStringList list{
        QStringLiteral("En Espera"), QStringLiteral("Aprobado"), QStringLiteral("No Aprobado"),
    };
    return list;
}

const QStringList &serviceLineStatusList()
{
    static const QStringList list{
        QStringLiteral("En Espera"), QStringLiteral("Iniciado"),
        QStringLiteral("Parado"),    QStringLiteral("Terminado"),
        QStringLiteral("En Tercero"), QStringLiteral("Cancelado"),
    };
    return list;
}

const QStringList &operationStatusList()
{
    static const QStringList list{
        QStringLiteral("Totalizado"), QStringLiteral("Por Totalizar"), QStringLiteral("Anulado"),
    };
    return list;
}

const QStringList &operationSummaryList()
{
    static const QStringList list{
        QStringLiteral("Totalizado"), QStringLiteral("Por Totalizar"),
    };
    return list;
}

const QStringList &budgetStateList()
{
    static const QStringList list{QStringLiteral("Si"), QStringLiteral("No"), QString()};
    return list;
}

const QStringList &taskStatusList()
{
    static const QStringList list{
        QStringLiteral("Pendiente"), QStringLiteral("En Proceso"), QStringLiteral("Finalizada"),
    };
    return list;
}

const QStringList &taskPriorityList()
{
    static const QStringList list{
        QStringLiteral("Baja"), QStringLiteral("Media"), QStringLiteral("Alta"),
    };
    return list;
}

const QStringList &appointmentStatusList()
{
    static const QStringList list{
        QStringLiteral("Pendiente"), QStringLiteral("Citado"), QStringLiteral("Cancelada"),
    };
    return list;
}

const QStringList &shipmentReturnStateList()
{
    static const QStringList list{QStringLiteral("En Espera"), QStringLiteral("Recibido")};
    return list;
}

const QStringList &shipmentDepartureStateList()
{
    static const QStringList list{QStringLiteral("En Espera"), QStringLiteral("Enviado")};
    return list;
}

const QStringList &paymentKindList()
{
    static const QStringList list{
        QStringLiteral("Efectivo"), QStringLiteral("Cheque"),
        QStringLiteral("Tarjeta Débito"), QStringLiteral("Tarjeta Crédito"),
    };
    return list;
}

} // namespace

QString docStatusText(int code) { return textOf(docStatusList(), DocStatus::Pendiente, code); }
QStringList docStatusTexts() { return docStatusList(); }

QString operationTypeText(int code)
{
    return textOf(operationTypeList(), OperationType::Servicio, code);
}
QStringList operationTypeTexts() { return operationTypeList(); }

int operationTypeForReceptionStatus(int docStatus)
{
    switch (docStatus) {
    case DocStatus::Presupuestado: return OperationType::Presupuesto;
    case DocStatus::EnServicio: return OperationType::Servicio;
    case DocStatus::EnGarantia: return OperationType::Garantia;
    case DocStatus::EnGyS: return OperationType::GyS;
    default: return OperationType::SinOperacion;
    }
}

QString reasonText(int code) { return textOf(reasonList(), Reason::Servicio, code); }
QStringList reasonTexts() { return reasonList(); }

QString receivedAsText(int code) { return textOf(receivedAsList(), ReceivedAs::Garantia, code); }
QStringList receivedAsTexts() { return receivedAsList(); }

QString itemPriorityText(int code)
{
    return textOf(itemPriorityList(), ItemPriority::Maxima, code);
}
QStringList itemPriorityTexts() { return itemPriorityList(); }

QString budgetLineStatusText(int code)
{
    return textOf(budgetLineStatusList(), BudgetLineStatus::EnEspera, code);
}
QStringList budgetLineStatusTexts() { return budgetLineStatusList(); }

QString serviceLineStatusText(int code)
{
    return textOf(serviceLineStatusList(), ServiceLineStatus::EnEspera, code);
}
QStringList serviceLineStatusTexts() { return serviceLineStatusList(); }

QString operationStatusText(int code)
{
    return textOf(operationStatusList(), OperationStatus::Totalizado, code);
}
QStringList operationStatusTexts() { return operationStatusList(); }

QString operationSummaryText(int code)
{
    return textOf(operationSummaryList(), OperationSummary::Totalizado, code);
}
QStringList operationSummaryTexts() { return operationSummaryList(); }

QString budgetStateText(int code) { return textOf(budgetStateList(), BudgetState::Si, code); }

QString taskStatusText(int code) { return textOf(taskStatusList(), TaskStatus::Pendiente, code); }
QStringList taskStatusTexts() { return taskStatusList(); }

QString taskPriorityText(int code) { return textOf(taskPriorityList(), TaskPriority::Baja, code); }
QStringList taskPriorityTexts() { return taskPriorityList(); }

QString appointmentStatusText(int code)
{
    return textOf(appointmentStatusList(), AppointmentStatus::Pendiente, code);
}
QStringList appointmentStatusTexts() { return appointmentStatusList(); }

QString shipmentReturnStateText(int code)
{
    return textOf(shipmentReturnStateList(), ShipmentReturnState::EnEspera, code);
}
QStringList shipmentReturnStateTexts() { return shipmentReturnStateList(); }

QString shipmentDepartureStateText(int code)
{
    return textOf(shipmentDepartureStateList(), ShipmentDepartureState::EnEspera, code);
}
QStringList shipmentDepartureStateTexts() { return shipmentDepartureStateList(); }

QString paymentKindText(int code) { return textOf(paymentKindList(), PaymentKind::Efectivo, code); }
QStringList paymentKindTexts() { return paymentKindList(); }

QString nextDocumentNumber(qint64 lastUsed)
{
    // A damaged (negative) counter starts the numbering again at 1.
    const qint64 next = (lastUsed < 0 ? 0 : lastUsed) + 1;
    return QString::number(next).rightJustified(8, u'0');
}

} // namespace k9
