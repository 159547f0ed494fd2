// The HSP lexer's keyword lookup: the nine keyword sets folded into two hash tables, one for
// names anywhere and one for the reserved words of directive lines, so that a name costs one
// probe however many sets there are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Vessary {

// Lower-cased words to a style number; the first style given for a word stays.
class HspKeywordTable {
public:
    // Words longer than this are never stored; the lexer does not look longer names up.
    static constexpr std::size_t maxWordLength = 128;

    void Clear() {
        slots_.assign(64, Slot{});
        pool_.clear();
        count_ = 0;
    }

    void Add(std::string_view word, unsigned char style) {
        if (word.empty() || word.size() > maxWordLength)
            return;
        if (slots_.empty() || (count_ + 1) * 2 > slots_.size())
            Grow();
        const std::uint32_t hash = Hash(word.data(), word.size());
        Slot *slot = Probe(word.data(), word.size(), hash);
        if (slot->style)
            return;
        *slot = Slot{hash, static_cast<std::uint32_t>(pool_.size()), static_cast<std::uint16_t>(word.size()), style};
        pool_.append(word);
        ++count_;
    }

    // The style of the word, or 0 when it is in no set.
    unsigned char Find(const char *word, std::size_t length) const {
        if (count_ == 0)
            return 0;
        return Probe(word, length, Hash(word, length))->style;
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t offset = 0;
        std::uint16_t length = 0;
        unsigned char style = 0;
    };

    static std::uint32_t Hash(const char *word, std::size_t length) {
        std::uint32_t hash = 2166136261u;
        for (std::size_t i = 0; i < length; ++i)
            hash = (hash ^ static_cast<unsigned char>(word[i])) * 16777619u;
        return hash;
    }

    // The slot holding the word, or the empty slot where it would go.
    Slot *Probe(const char *word, std::size_t length, std::uint32_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot &slot = slots_[i];
            if (!slot.style || (slot.hash == hash && slot.length == length &&
                                pool_.compare(slot.offset, length, word, length) == 0))
                return const_cast<Slot *>(&slot);
        }
    }

    void Grow() {
        std::vector<Slot> old;
        old.swap(slots_);
        slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        for (const Slot &slot : old) {
            if (slot.style)
                *Probe(pool_.data() + slot.offset, slot.length, slot.hash) = slot;
        }
    }

    std::vector<Slot> slots_;
    std::string pool_;
    std::size_t count_ = 0;
};

}
