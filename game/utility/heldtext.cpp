#include "game/utility/heldtext.h"

#include <atomic>

namespace Kest {

namespace {
// Each held text adds its size while it lives.
std::atomic<std::size_t> totalBytes{0};
}  // namespace

HeldText::HeldText(std::string text) : text_(std::move(text)) { totalBytes += text_.size(); }

// The count moves with the text: the other is left empty.
HeldText::HeldText(HeldText&& other) noexcept { text_.swap(other.text_); }

HeldText::~HeldText() { totalBytes -= text_.size(); }

std::size_t HeldText::GetTotalBytes() { return totalBytes; }

}  // namespace Kest
