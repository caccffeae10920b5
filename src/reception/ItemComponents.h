#pragma once

#include "core/BlobImages.h"
#include "core/Records.h"

#include <QList>

namespace k9 {

// The components page of the item detail without its widgets: the item's components and
// the one being inserted or modified. An item holds at most five components, the number
// its stored image keeps.
class ComponentEditor
{
public:
    enum class State { Browsing, Inserting, Modifying };
    static constexpr int kMaxComponents = kComponentSlotCount;

    void setComponents(const QList<TCompReg> &components);
    const QList<TCompReg> &components() const { return m_components; }
    State state() const { return m_state; }
    bool isEditing() const { return m_state != State::Browsing; }
    // The component being modified; -1 otherwise.
    int editedIndex() const { return m_state == State::Modifying ? m_edited : -1; }

    // "&Insertar": refused, with a message, once the item has five components.
    bool beginInsert();
    // "&Modificar": "Seleccione un ítem para modificar." without a selection.
    bool beginModify(int index);
    // "&Guardar": the component inserted or put in place of the one modified. Answers the
    // row it holds.
    int save(const TCompReg &component);
    // "&Cancelar" of the page.
    void cancel() { m_state = State::Browsing; m_edited = -1; }
    // "&Borrar": "Seleccione un ítem para borrar." without a selection; else asks
    // "Desea eliminar el componente?". Answers whether it removed it.
    bool remove(int index);

private:
    QList<TCompReg> m_components;
    State m_state = State::Browsing;
    int m_edited = -1;
};

} // namespace k9
