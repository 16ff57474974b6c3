#pragma once

#include <QByteArray>

// Makes the Thai text of a PDF written by Qt copy and search as typed. Qt maps each glyph back
// to the character the font's character map gives it; shaped Thai uses glyphs that the map
// only knows under private-use code points (lowered and shifted tone marks and vowels), draws
// sara am as nikhahit plus sara aa, and maps the space glyph to a tab. This rewrites the
// character maps to the standard Thai characters and gives every text object an /ActualText
// span with its characters in typed order (readers otherwise split words at the marks). A document
// it cannot read is returned unchanged.
QByteArray fixThaiTextOfPdf(const QByteArray& pdf);
