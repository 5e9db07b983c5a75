#include "Errors.h"

void xError::SetText(const char *text)
{
    // Copy up to the terminator or the whole field, then force the last
    // character to zero so an overlong text keeps its first 199 characters.
    int i = 0;
    if (text != nullptr) {
        for (; i < TextSize && text[i] != '\0'; ++i)
            myText[i] = text[i];
    }
    if (i < TextSize)
        myText[i] = '\0';
    myText[TextSize - 1] = '\0';
}
