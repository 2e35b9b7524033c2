#pragma once

class QPrinter;

namespace platform {

// Asks the print service to keep the glyphs' outlines when it turns the
// job into PostScript for the printer. The service's default converter
// (Ghostscript) cannot carry the two-byte fonts Qt embeds into PostScript
// and draws every glyph as a bitmap at the queue's resolution instead, each
// rounded to that grid on its own: letters sit a little off the line and
// come out coarser than in the exported PDF. Poppler's converter keeps them
// as fonts. Chains that make no PostScript (driverless printers, raster
// drivers) ignore the option; a printer that writes a file is left alone.
// A converter the queue or the user names already is kept. Call after the
// print dialog, which sets the job's other options.
void keepGlyphOutlines(QPrinter& printer);

} // namespace platform
