#pragma once

namespace zarvel {

// The deal's source of chance. Injected so tests can script every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Mixes the current clock reading into the generator's state. Must not
    // restart a fixed sequence: the deal reseeds before every draw, and many
    // draws fall within one clock reading.
    virtual void ReseedFromClock() = 0;
    // A uniformly distributed value r with 0 <= r < 1.
    virtual float NextValue() = 0;
};

} // namespace zarvel
