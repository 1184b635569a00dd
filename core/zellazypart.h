#ifndef ZELLAZYPART_H
#define ZELLAZYPART_H

// A widget of a part of a form that its window builds on first use, reached by
// the widget's form name: using it (->, or as a pointer) has the owner build
// the part first, through the owner's one accessor for it. Whether the part is
// built is the owner's to say; a question that needs no part asks the owner.
//
//     ZELLazyPart<Window, Ui_page, QListWidget> m_list{this, &Window::page, &Ui_page::m_list};
template <typename Owner, typename Part, typename T>
class ZELLazyPart
{
public:
    using Build = Part &(Owner::*)();
    using Member = T *Part::*;

    ZELLazyPart(Owner *owner, Build build, Member member)
        : m_owner(owner)
        , m_build(build)
        , m_member(member)
    {
    }
    ZELLazyPart(const ZELLazyPart &) = delete;
    ZELLazyPart &operator=(const ZELLazyPart &) = delete;

    T *get() const { return (m_owner->*m_build)().*m_member; }
    T *operator->() const { return get(); }
    operator T *() const { return get(); }

private:
    Owner *m_owner;
    Build m_build;
    Member m_member;
};

#endif
