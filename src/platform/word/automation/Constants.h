#pragma once

namespace word {

// Word's automation constants as the engine understands them: Word's names
// without the "wd" prefix, grouped by the enumeration they belong to.
namespace wd {

// Units of Selection.MoveRight, MoveDown, HomeKey, EndKey and Delete.
enum Units : int { Character = 1, Line = 5, Story = 6, Cell = 12 };

// Whether a move takes the selection's other end along (Move) or keeps it.
enum MovementType : int { Move = 0, Extend = 1 };

// Selection.GoTo: what to go to, and which one.
enum GoToItem : int { GoToPage = 1 };
enum GoToDirection : int {
    GoToLast = -1,
    GoToFirst = 1,
    GoToAbsolute = 1,
    GoToNext = 2,
    GoToPrevious = 3,
};

// Table.Borders(index).
enum BorderType : int {
    BorderTop = -1,
    BorderLeft = -2,
    BorderBottom = -3,
    BorderRight = -4,
    BorderHorizontal = -5,
    BorderVertical = -6,
    BorderDiagonalDown = -7,
    BorderDiagonalUp = -8,
};

// Border.LineStyle.
enum LineStyle : int { LineStyleNone = 0, LineStyleSingle = 1, LineStyleDouble = 7 };

// Border.LineWidth, in eighths of a point.
enum LineWidth : int {
    LineWidth025pt = 2,
    LineWidth050pt = 4,
    LineWidth075pt = 6,
    LineWidth100pt = 8,
    LineWidth150pt = 12,
    LineWidth225pt = 18,
    LineWidth300pt = 24,
    LineWidth450pt = 36,
    LineWidth600pt = 48,
};

// Colours: Word's BGR integers, or automatic.
enum Color : int { ColorAutomatic = -16777216, ColorBlack = 0, ColorGray50 = 8421504 };

// ParagraphFormat.Alignment.
enum ParagraphAlignment : int {
    AlignParagraphLeft = 0,
    AlignParagraphCenter = 1,
    AlignParagraphRight = 2,
    AlignParagraphJustify = 3,
};

// Tables.Add: the borders and style a new table gets, and how it fits.
enum DefaultTableBehavior : int { Word8TableBehavior = 0, Word9TableBehavior = 1 };
enum AutoFitBehavior : int { AutoFitFixed = 0, AutoFitContent = 1, AutoFitWindow = 2 };

// Document.BuiltInDocumentProperties(index).
enum BuiltInProperty : int { PropertyTitle = 1, PropertyPages = 14 };

// Document.Close(saveChanges).
enum SaveOptions : int { DoNotSaveChanges = 0, SaveChanges = -1 };

} // namespace wd

} // namespace word
