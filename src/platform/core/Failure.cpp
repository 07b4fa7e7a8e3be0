#include "Failure.h"

#include <new>
#include <stdexcept>

namespace platform {

namespace {

std::string Narrow(const Text& text) {
    std::string result;
    result.reserve(text.size());
    for (wchar_t c : text) {
        result.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return result;
}

}  // namespace

Failure::Failure(std::int32_t number, Text description)
    : number_(number), description_(std::move(description)) {
    what_ = std::to_string(number_) + ": " + Narrow(description_);
}

Text StandardDescription(std::int32_t number) {
    switch (number) {
        case kInvalidArgument:
            return L"Invalid procedure call or argument";
        case kOverflow:
            return L"Overflow";
        case kOutOfMemory:
            return L"Out of memory";
        case kSubscriptOutOfRange:
            return L"Subscript out of range";
        case kTypeMismatch:
            return L"Type mismatch";
        case kInvalidUseOfNull:
            return L"Invalid use of Null";
        default:
            return L"Application-defined or object-defined error";
    }
}

Failure StandardFailure(std::int32_t number) {
    return Failure(number, StandardDescription(number));
}

Failure CurrentFailure() {
    try {
        throw;
    } catch (const Failure& failure) {
        return failure;
    } catch (const std::bad_alloc&) {
        return StandardFailure(kOutOfMemory);
    } catch (const std::length_error&) {
        return StandardFailure(kOutOfMemory);
    } catch (const std::exception& other) {
        Text description;
        for (const char* p = other.what(); *p != '\0'; ++p) {
            description.push_back(static_cast<unsigned char>(*p));
        }
        return Failure(kInvalidArgument, description);
    } catch (...) {
        return StandardFailure(kInvalidArgument);
    }
}

}  // namespace platform
