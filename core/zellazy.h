#ifndef ZELLAZY_H
#define ZELLAZY_H

#include <functional>
#include <utility>

// A window the main widget owns but builds on first use: most sessions never
// open most of them, and building them all at start costs time and memory.
// `->` and get() build the window (through the builder, which also wires it);
// built() and isVisible() only look, so a check never builds anything.
template <typename T>
class ZELLazy
{
public:
    ZELLazy() = default;
    ZELLazy(const ZELLazy &) = delete;
    ZELLazy &operator=(const ZELLazy &) = delete;
    ~ZELLazy() { reset(); }

    void setBuilder(std::function<T *()> builder) { m_builder = std::move(builder); }

    T *get()
    {
        if (!m_object && m_builder)
            m_object = m_builder();
        return m_object;
    }
    T *operator->() { return get(); }

    // The window if it has been built, else nullptr.
    T *built() const { return m_object; }
    bool isVisible() const { return m_object && m_object->isVisible(); }

    void reset()
    {
        delete m_object;
        m_object = nullptr;
    }

private:
    std::function<T *()> m_builder;
    T *m_object = nullptr;
};

#endif
