// The accessible object of a control, named by the tool.
#include "application/win32/ObjetAccessible.h"

#include <commctrl.h>
#include <oleacc.h>

#include <atomic>
#include <utility>

namespace {

struct Identite {
    std::wstring Nom;
    long Role;
};

// The system's object, its name and role replaced; every other question
// goes to it.
class ObjetAccessible final : public IAccessible {
public:
    ObjetAccessible(IAccessible* systeme, const Identite& identite) : s_(systeme), identite_(identite) {}
    ObjetAccessible(const ObjetAccessible&) = delete;
    ObjetAccessible& operator=(const ObjetAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objet) override {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != __uuidof(IAccessible)) {
            *objet = nullptr;
            return E_NOINTERFACE;
        }
        *objet = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG reste = --references_;
        if (reste == 0) delete this;
        return reste;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT enfant, BSTR* nom) override {
        if (!Soi(enfant)) return s_->get_accName(enfant, nom);
        *nom = identite_.Nom.empty() ? nullptr : SysAllocString(identite_.Nom.c_str());
        return *nom ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT enfant, VARIANT* role) override {
        if (!Soi(enfant)) return s_->get_accRole(enfant, role);
        role->vt = VT_I4;
        role->lVal = identite_.Role;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return s_->GetTypeInfoCount(n); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { return s_->GetTypeInfo(i, l, t); }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID i, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
        return s_->GetIDsOfNames(i, n, c, l, d);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID i, LCID l, WORD f, DISPPARAMS* p, VARIANT* r, EXCEPINFO* e,
                                     UINT* a) override {
        return s_->Invoke(d, i, l, f, p, r, e, a);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return s_->get_accParent(p); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override { return s_->get_accChildCount(n); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT e, IDispatch** p) override { return s_->get_accChild(e, p); }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT e, BSTR* v) override { return s_->get_accValue(e, v); }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT e, BSTR* d) override { return s_->get_accDescription(e, d); }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT e, VARIANT* s) override { return s_->get_accState(e, s); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT e, BSTR* h) override { return s_->get_accHelp(e, h); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT e, long* t) override {
        return s_->get_accHelpTopic(f, e, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT e, BSTR* r) override {
        return s_->get_accKeyboardShortcut(e, r);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* f) override { return s_->get_accFocus(f); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* s) override { return s_->get_accSelection(s); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT e, BSTR* a) override {
        return s_->get_accDefaultAction(e, a);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT e) override { return s_->accSelect(f, e); }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* l, long* h, VARIANT e) override {
        return s_->accLocation(x, y, l, h, e);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT e, VARIANT* r) override { return s_->accNavigate(d, e, r); }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* r) override { return s_->accHitTest(x, y, r); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT e) override { return s_->accDoDefaultAction(e); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT e, BSTR n) override { return s_->put_accName(e, n); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT e, BSTR v) override { return s_->put_accValue(e, v); }

private:
    ~ObjetAccessible() { s_->Release(); }
    static bool Soi(const VARIANT& enfant) { return enfant.vt == VT_I4 && enfant.lVal == CHILDID_SELF; }

    IAccessible* s_;
    Identite identite_;
    std::atomic<ULONG> references_ = 1;
};

// The object for the system's request, or 0 when it cannot be made.
LRESULT Objet(HWND controle, const Identite& identite, WPARAM w) noexcept {
    IAccessible* systeme = nullptr;
    if (FAILED(CreateStdAccessibleObject(controle, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&systeme))))
        return 0;
    ObjetAccessible* objet = nullptr;
    try {
        objet = new ObjetAccessible(systeme, identite);
    } catch (...) {
        systeme->Release();
        return 0;
    }
    const LRESULT reponse = LresultFromObject(__uuidof(IAccessible), w, objet);
    objet->Release();
    return reponse;
}

LRESULT CALLBACK RepondObjet(HWND controle, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR donnees) {
    auto* identite = reinterpret_cast<Identite*>(donnees);
    if (message == WM_GETOBJECT && static_cast<LONG>(l) == OBJID_CLIENT) return Objet(controle, *identite, w);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(controle, RepondObjet, 0);
        delete identite;
    }
    return DefSubclassProc(controle, message, w, l);
}

}  // namespace

void NommeControle(HWND controle, std::wstring nom, long role) {
    SetWindowSubclass(controle, RepondObjet, 0, reinterpret_cast<DWORD_PTR>(new Identite{std::move(nom), role}));
}
