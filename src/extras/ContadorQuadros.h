#pragma once
// The frame counter of the animated picture's timer: kept between ticks, it
// runs 1, 2, ... and goes back to 1 when it reaches the number of frames
// loaded, so the highest-numbered frame is never shown; frame 12 is never shown
// either (the tick that reaches it leaves the previous picture one tick
// longer).
#include <QtGlobal>
#include <optional>

class ContadorQuadros
{
public:
    // The frame (GifSrc element) to show on this tick, or nothing.
    std::optional<int> tique(int GifFrameCount)
    {
        if (m_contador < INT16_MAX) // a 16-bit counter that never wraps round
            ++m_contador;
        if (m_contador == GifFrameCount)
            m_contador = 1;
        if (m_contador == 12)
            return std::nullopt;
        return m_contador;
    }
    qint16 contador() const { return m_contador; }

private:
    qint16 m_contador = 0;
};
