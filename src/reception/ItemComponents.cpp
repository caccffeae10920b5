#include "reception/ItemComponents.h"

#include "core/Messages.h"

namespace k9 {

void ComponentEditor::setComponents(const QList<TCompReg> &components)
{
    m_components = components;
    cancel();
}

bool ComponentEditor::beginInsert()
{
    if (m_components.size() >= kMaxComponents) {
        messages().inform(QStringLiteral("Un producto admite como máximo %1 componentes.").arg(kMaxComponents));
        return false;
    }
    m_state = State::Inserting;
    m_edited = -1;
    return true;
}

bool ComponentEditor::beginModify(int index)
{
    if (index < 0 || index >= m_components.size()) {
        messages().inform(QStringLiteral("Seleccione un ítem para modificar."));
        return false;
    }
    m_state = State::Modifying;
    m_edited = index;
    return true;
}

int ComponentEditor::save(const TCompReg &component)
{
    int row = -1;
    if (m_state == State::Inserting) {
        m_components << component;
        row = int(m_components.size()) - 1;
    } else if (m_state == State::Modifying && m_edited >= 0 && m_edited < m_components.size()) {
        m_components[m_edited] = component;
        row = m_edited;
    }
    cancel();
    return row;
}

bool ComponentEditor::remove(int index)
{
    if (index < 0 || index >= m_components.size()) {
        messages().inform(QStringLiteral("Seleccione un ítem para borrar."));
        return false;
    }
    if (!messages().ask(QStringLiteral("Desea eliminar el componente?")))
        return false;
    m_components.removeAt(index);
    return true;
}

} // namespace k9
