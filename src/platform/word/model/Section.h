#pragma once

namespace word {

// w:sectPr, twips. Default: US Letter, 1-inch margins.
struct Section {
    int pageWidth = 12240;  // w:pgSz/@w:w
    int pageHeight = 15840; // w:pgSz/@w:h
    int marginTop = 1440;   // w:pgMar
    int marginRight = 1440;
    int marginBottom = 1440;
    int marginLeft = 1440;
    int marginHeader = 720;
    int marginFooter = 720;
    int gutter = 0;

    int textWidth() const { return pageWidth - marginLeft - marginRight; }
    int textHeight() const { return pageHeight - marginTop - marginBottom; }
    bool operator==(const Section&) const = default;
};

// w:settings, as far as layout depends on it.
struct Settings {
    int defaultTabStop = 720;   // w:defaultTabStop, twips
    int compatibilityMode = 15; // w:compat/w:compatSetting compatibilityMode
    bool operator==(const Settings&) const = default;
};

} // namespace word
