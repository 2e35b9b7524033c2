#pragma once

namespace word {

// Told about every change of the body so that cached layout stays valid.
class ChangeSink {
public:
    virtual ~ChangeSink() = default;
    virtual void blockChanged(int block) = 0; // a paragraph, or a table's grid/style/borders
    virtual void blocksInserted(int first, int count) = 0;
    virtual void blocksErased(int first, int count) = 0;
    virtual void rowChanged(int block, int row) = 0;
    virtual void rowsErased(int block, int first, int count) = 0;
};

} // namespace word
