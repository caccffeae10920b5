#pragma once

#include "core/Money.h"
#include "core/Records.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Fixed-size byte images kept in blob fields. Every number is little-endian; a string is one
// length byte followed by its characters in Latin-1 (a character outside Latin-1 is stored as
// "?"), clamped to the field's capacity. Decoding accepts any byte array: missing bytes read as
// zero, a length byte larger than its field is clamped, nothing is read past the buffer.

namespace k9 {

// ---- Payment slots: RMA_FORMAPAGO, FRI_FORMADEPAGO -------------------------------------
// 10 slots of 168 bytes, slot i at 168 × i:
//   0 type (int32) | 4 code (1 + 40) | 45 detail (1 + 90) | 136 reserved (16)
//   152 amount (int64 ten-thousandths) | 160 reserved (8)
inline constexpr int kPaymentSlotCount = 10;
inline constexpr int kPaymentSlotSize = 168;
inline constexpr int kPaymentImageSize = kPaymentSlotCount * kPaymentSlotSize; // 1680
inline constexpr int kPaymentCodeLength = 40;
inline constexpr int kPaymentDetailLength = 90;

struct PaymentSlot
{
    int type = 0;    // PaymentKind
    QString code;    // currency, bank or card code, at most 40 characters
    QString detail;  // document detail, at most 90 characters
    Money amount;

    // An unused slot: every field zero or empty (such a slot is stored as zero bytes).
    bool isEmpty() const { return type == 0 && code.isEmpty() && detail.isEmpty() && amount.isZero(); }
    bool operator==(const PaymentSlot &) const = default;
};

// Writes the slots in order; slots after the last one given are zero; only the first 10 are
// written.
QByteArray encodePaymentSlots(const QList<PaymentSlot> &payments);
// The used slots of the image, in slot order; empty slots (isEmpty()) are left out, so an
// empty or missing image gives an empty list.
QList<PaymentSlot> decodePaymentSlots(const QByteArray &image);

// ---- Components of a received item: RMD_COMPONENTES -------------------------------------
// 5 slots of 23844 bytes, slot k at 23844 × k:
//   0 code (1 + 255) | 256 quantity (int32) | 260 description (1 + 255) | 516 detail (1 + 255)
//   772 + 769 × j, j < 30: control name (1 + 255), control kind (1 byte), value (1 + 255),
//                          field name (1 + 255)
//   23842 padding (2)
// The list ends at the first slot whose code is "_Null"; a component's values end at the first
// value whose control name is "_Null". A full list (5 components, or 30 values) has no marker.
inline constexpr int kComponentSlotCount = 5;
inline constexpr int kComponentSlotSize = 23844;
inline constexpr int kComponentImageSize = kComponentSlotCount * kComponentSlotSize; // 119220
inline constexpr int kComponentValueCount = 30;
inline constexpr int kComponentValueSize = 769;
inline constexpr int kComponentValuesOffset = 772;

// Writes at most 5 components of at most 30 values each. When more were given, the rest are
// left out and *truncated (when given) is set, so that the caller can refuse them.
QByteArray encodeComponents(const QList<TCompReg> &components, bool *truncated = nullptr);
// Reads the components up to the end marker (or the fifth slot). A slot or value slot that is
// all zero bytes (a truncated or never written image) holds nothing and is passed over.
QList<TCompReg> decodeComponents(const QByteArray &image);

// ---- Contact entries of an operation: FRI_CONTACTO ----------------------------------------
// 20 slots of 280 bytes, slot k at 280 × k:
//   0 entry number (int32) | 4 note (1 + 255) | 260 reserved (4)
//   264 date (IEEE double, day serial; 0 for no date) | 272 state (1 byte) | 273 reserved (7)
inline constexpr int kContactSlotCount = 20;
inline constexpr int kContactSlotSize = 280;
inline constexpr int kContactImageSize = kContactSlotCount * kContactSlotSize; // 5600

// Writes the entries in order; only the first 20 are written, the other slots are zero.
QByteArray encodeContacts(const QList<TContacto> &entries);
// Reads the entries up to the first slot whose note is empty.
QList<TContacto> decodeContacts(const QByteArray &image);

} // namespace k9
