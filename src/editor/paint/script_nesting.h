#pragma once
// The template substitutions ("${") and the braces inside them that a
// script is in, as a stack of any depth named by one number. Equal stacks
// get equal numbers, so a colouring state holding one stays a plain value
// that checkpoints copy and compare. Stacks once seen are kept for the
// process: their count grows only with the distinct nestings met.
#include <cstdint>

namespace script_nesting {

enum Frame : std::uint8_t {
  kSubstitution = 0,  // its "}" returns to the template text
  kBrace = 1,         // a "{" inside a substitution
};

inline constexpr std::uint32_t kEmpty = 0;

// The stack with frame on top. When no memory is left the stack comes back
// unchanged: colours may then go wrong, the program does not.
std::uint32_t Push(std::uint32_t stack, Frame frame);

// The stack without its top frame, which goes to top; the empty stack
// stays empty.
std::uint32_t Pop(std::uint32_t stack, Frame& top);

}  // namespace script_nesting
