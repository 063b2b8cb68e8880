#pragma once

#include <stdexcept>
#include <string>

// An error that ends the program: a text that is not a number, or a number out of range.
// The window reports it to the user and then ends with a non-zero exit code.
// The exit code of a program ended by an error.
inline constexpr int runErrorExitCode = 1;

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string &description)
        : std::runtime_error(description), number_(number) {}

    static RuntimeError typeMismatch() { return {13, "Type mismatch"}; }
    static RuntimeError overflow() { return {6, "Overflow"}; }

    int number() const { return number_; }

    // The message that reports it: "Run-time error '13':" and, after a blank line, its
    // description.
    std::string message() const {
        return "Run-time error '" + std::to_string(number_) + "':\n\n" + what();
    }

private:
    int number_;
};
