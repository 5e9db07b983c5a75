#pragma once

// The error family of the whole program. Every failure is thrown as one of
// these plain values carrying a fixed text of at most 199 characters; the
// places that catch them show the text to the user.

#include <string>

class xError
{
  public:
    static constexpr int TextSize = 200;

    xError() { myText[0] = '\0'; }
    explicit xError(const char *text) { SetText(text); }
    explicit xError(const std::string &text) { SetText(text.c_str()); }

    const char *GetText() const { return myText; }

  protected:
    void SetText(const char *text);

  private:
    char myText[TextSize];
};

// Storage could not be obtained.
class xMemory : public xError
{
  public:
    xMemory() : xError("Not enough memory.") {}
};

// An internal inconsistency: a state the code never expects.
class xProgramme : public xError
{
  public:
    using xError::xError;
};

// A bad argument or a misused container.
class xParam : public xError
{
  public:
    using xError::xError;
};

// An error caused by the user's input; only ever thrown as a subclass.
class xUser : public xError
{
  protected:
    using xError::xError;
};

// A move that is not allowed.
class xMove : public xUser
{
  public:
    xMove() : xUser("Place to move is occupied") {}
};

// A file that cannot be opened, read, written or closed, or has a bad
// format. The text is a fixed prefix followed by the file name.
class xIO : public xError
{
  public:
    using xError::xError;
    xIO(const std::string &prefix, const std::string &fileName) : xError(prefix + fileName) {}
};
