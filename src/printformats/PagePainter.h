#pragma once

#include "data/Status.h"
#include "printformats/Pages.h"

#include <QList>

class QPainter;
class QPagedPaintDevice;

namespace k9 {

// Paints one laid-out page with the painter's origin at the paper's top left corner;
// `dotsPerMm` is the device's resolution.
void paintPage(QPainter &painter, const LaidOutPage &page, double dotsPerMm);

// Paints the pages on a paged device (a printer or a PDF writer), `copies` times, each page on
// paper of its own size with no margins. The device must not be painted on yet.
Status paintPages(QPagedPaintDevice &device, const QList<LaidOutPage> &pages, int copies);

// Writes the pages, `copies` times, to a PDF file.
Status writePdf(const QString &path, const QList<LaidOutPage> &pages, int copies, const QString &title);

} // namespace k9
