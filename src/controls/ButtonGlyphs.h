#pragma once

#include <QIcon>
#include <QString>

class QAbstractButton;

namespace k9 {

// The shared set of button glyphs. A button takes its glyph from the three digits that end
// its objectName: "BAceptar001" takes glyph 1 (image 0 of the set), "BGuardar012" glyph 12
// (image 11), "BSalir016" glyph 16. A name that does not end in three digits, or a number
// the set does not have, leaves the button's icon as it is.
//
//   1 Aceptar        8 Anterior      15 Ayuda          22 Aviso
//   2 Cancelar       9 Siguiente     16 Salir          23 Calendario
//   3 Agregar       10 Primero       17 Actualizar     24 Calculadora
//   4 Eliminar      11 Último        18 Subir          25 Carpeta
//   5 Modificar     12 Guardar       19 Bajar          26 Procesar
//   6 Buscar        13 Abrir         20 Detener        27 Limpiar
//   7 Imprimir      14 Deshacer      21 Información    28 Consultar
constexpr int kGlyphCount = 28;

// The glyph number at the end of a name; -1 when the name does not end in three digits.
int glyphNumber(const QString &objectName);
// Glyph `number` (1-based, as in the names); a null icon outside 1..kGlyphCount.
QIcon buttonGlyph(int number);
// Gives `button` the glyph its name selects. Answers whether it did.
bool applyButtonGlyph(QAbstractButton *button);

} // namespace k9
