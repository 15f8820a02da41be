// The exception classes of the framework. Every failure that the
// localization layer and the stream layer report is an Exception carrying an
// 8-bit message text; each kind has its own small class so that callers and
// tests can tell them apart, and the window can show what(). The framework's
// own texts are resource strings (ResStrings.h).
#pragma once

#include <exception>
#include <string>

// The general exception class: a message text, nothing else.
class Exception : public std::exception
{
public:
    explicit Exception(std::string message)
        : m_message(std::move(message))
    { }

    const std::string& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

// Any failure of a stream: reading, writing, opening, seeking.
class EStreamError : public Exception
{
public:
    using Exception::Exception;
};

// A file that cannot be opened for reading: "Cannot open file <name>".
class EFOpenError : public EStreamError
{
public:
    explicit EFOpenError(const std::string& fileName);
};

// A file that cannot be created: "Cannot create file <name>".
class EFCreateError : public EStreamError
{
public:
    explicit EFCreateError(const std::string& fileName);
};

// Failures of the stored-layout encoding (signature, value kinds, unknown
// classes and properties).
class EFilerError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

// A read that cannot be completed. The default text is the stream layer's
// "Stream read error" (a read past the end of the data).
class EReadError : public EFilerError
{
public:
    EReadError();
    using EFilerError::EFilerError;
};

// A failure while a stored layout is read into components, already wrapped
// as "Error reading <component>.<property>: <why>"; a reader that meets one
// passes it on instead of wrapping it again.
class EComponentReadError : public EReadError
{
public:
    EComponentReadError(const std::string& context, const std::string& why);
};

// A write that cannot be completed: "Stream write error".
class EWriteError : public EFilerError
{
public:
    EWriteError();
    using EFilerError::EFilerError;
};

// A class name that the component registry does not know.
class EClassNotFound : public EFilerError
{
public:
    using EFilerError::EFilerError;
};

// A missing resource ("Resource <name> not found") or a missing part of one.
class EResNotFound : public Exception
{
public:
    using Exception::Exception;
    // The stream layer's text for a resource that does not exist.
    static EResNotFound ForResource(const std::string& name);
};

// An index outside the bounds of what it addresses.
class ERangeError : public Exception
{
public:
    ERangeError();
    using Exception::Exception;
};

// A list operation with a bad index ("List index out of bounds (<i>)").
class EListError : public Exception
{
public:
    using Exception::Exception;
    static EListError IndexOutOfBounds(long long index);
};

// A component error: a bad or duplicate name, a missing event or handler.
class EComponentError : public Exception
{
public:
    using Exception::Exception;
};

// A text that does not convert to the value asked for.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};
