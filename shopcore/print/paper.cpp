#include "paper.h"

PaperSize PaperSize::letter() {
    return {QStringLiteral("Letter"), {millimetresFromInches(8.5), millimetresFromInches(11)}};
}

PaperSize PaperSize::halfLetter() {
    return {QStringLiteral("8.5 x 5.5 in"),
            {millimetresFromInches(8.5), millimetresFromInches(5.5)}};
}

PaperSize PaperSize::envelope() {
    return {QStringLiteral("DL"), {220, 110}};
}
