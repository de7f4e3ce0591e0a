#include "ui/win32/web_browser.h"

// clang-format off
#include <ole2.h>
#include <exdisp.h>
// clang-format on

#include <string>

#include "ui/win32/wide_text.h"

namespace cw::win32 {

namespace {

// Where the page lies when there is no browser control: the part of the host the window shows
// (the host starts left of and above the window's client area).
constexpr int kNoticeInset = 20;

// The container side of the control: one object serving as client site, in-place site and
// frame. It lives as long as its host window.
class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
  public:
    explicit Site(HWND host) : host_(host) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IOleClientSite)) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (IsEqualIID(id, IID_IOleWindow) || IsEqualIID(id, IID_IOleInPlaceSite)) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (IsEqualIID(id, IID_IOleInPlaceUIWindow) ||
                   IsEqualIID(id, IID_IOleInPlaceFrame)) {
            *out = static_cast<IOleInPlaceFrame*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&refs_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (through both the site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO info) override {
        if (frame) {
            *frame = this;
            AddRef();
        }
        if (doc) *doc = nullptr;
        if (position) GetClientRect(host_, position);
        if (clip) GetClientRect(host_, clip);
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = GetAncestor(host_, GA_ROOT);
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
        return S_OK;
    }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    ~Site() = default;
    HWND host_;
    LONG refs_ = 1;
};

struct Browser {
    Site* site = nullptr;
    IOleObject* object = nullptr;
    IWebBrowser2* web = nullptr;
    std::wstring page_file;  // the carried page written out for the control to open
};

Browser* browser_of(HWND host) {
    return reinterpret_cast<Browser*>(GetWindowLongPtrW(host, GWLP_USERDATA));
}

bool ole_ready() {
    // The window thread is a single-threaded apartment for the program's life.
    static const bool ready = SUCCEEDED(OleInitialize(nullptr));
    return ready;
}

// Whether the system can render a page at all. A browser control without its page engine (Wine
// without its engine) is created and navigates, yet shows nothing: the host then shows its
// notice instead.
bool page_engine_present() {
    // The HTML document class ({25336920-03F9-11CF-8FD0-00AA00686F13}).
    static const CLSID kHtmlDocument = {
        0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};
    IUnknown* engine = nullptr;
    if (FAILED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&engine)))) {
        return false;
    }
    engine->Release();
    return true;
}

void embed(HWND host, Browser& b) {
    if (!ole_ready() || !page_engine_present()) return;
    b.site = new Site(host);
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&b.object)))) {
        b.object = nullptr;
        return;
    }
    RECT rc;
    GetClientRect(host, &rc);
    b.object->SetClientSite(b.site);
    OleSetContainedObject(b.object, TRUE);
    if (FAILED(b.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, b.site, -1, host, &rc)) ||
        FAILED(b.object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&b.web)))) {
        b.web = nullptr;
        return;
    }
    // Silent: the page's script errors raise no dialog.
    b.web->put_Silent(VARIANT_TRUE);
    b.web->put_Left(0);
    b.web->put_Top(0);
    b.web->put_Width(rc.right);
    b.web->put_Height(rc.bottom);
}

void release(Browser& b) {
    if (b.web) {
        b.web->Stop();
        b.web->Release();
        b.web = nullptr;
    }
    if (b.object) {
        b.object->Close(OLECLOSE_NOSAVE);
        b.object->SetClientSite(nullptr);
        OleSetContainedObject(b.object, FALSE);
        b.object->Release();
        b.object = nullptr;
    }
    if (b.site) {
        b.site->Release();
        b.site = nullptr;
    }
    if (!b.page_file.empty()) DeleteFileW(b.page_file.c_str());
}

LRESULT CALLBACK browser_proc(HWND host, UINT msg, WPARAM wp, LPARAM lp) {
    Browser* b = browser_of(host);
    switch (msg) {
        case WM_CREATE: {
            auto* created = new Browser;
            SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
            embed(host, *created);
            return 0;
        }
        case WM_DESTROY:
            if (b) {
                release(*b);
                delete b;
                SetWindowLongPtrW(host, GWLP_USERDATA, 0);
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(host, &ps);
            if (!b || !b->web) {
                // No browser control here: say so in the part of the host the window shows.
                RECT shown;
                GetClientRect(GetParent(host), &shown);
                MapWindowPoints(GetParent(host), host, reinterpret_cast<POINT*>(&shown), 2);
                InflateRect(&shown, -kNoticeInset, -kNoticeInset);
                SetBkMode(dc, TRANSPARENT);
                const HGDIOBJ old = SelectObject(
                    dc, reinterpret_cast<HGDIOBJ>(SendMessageW(GetParent(host), WM_GETFONT, 0, 0)));
                const std::wstring notice =
                    to_wide("本机的网页控件无法使用，请点“返回网页观看”在浏览器中观看教程。");
                DrawTextW(dc, notice.c_str(), -1, &shown, DT_LEFT | DT_TOP | DT_WORDBREAK);
                SelectObject(dc, old);
            }
            EndPaint(host, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(host, msg, wp, lp);
}

}  // namespace

void register_browser_class(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = browser_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kBrowserClass;
    RegisterClassW(&wc);
}

bool browser_show_html(HWND host, std::string_view html) {
    Browser* b = browser_of(host);
    if (!b || !b->web) return false;
    // The control opens pages by address: the carried page goes to a file of this program's
    // own in the temporary folder, removed with the window.
    if (b->page_file.empty()) {
        wchar_t folder[MAX_PATH + 1] = {};
        const DWORD n = GetTempPathW(MAX_PATH, folder);
        if (n == 0 || n > MAX_PATH) return false;
        b->page_file = std::wstring(folder) + L"cubeworks-tutorial-" +
                       std::to_wstring(GetCurrentProcessId()) + L".html";
    }
    const HANDLE file = CreateFileW(b->page_file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, html.data(), static_cast<DWORD>(html.size()), &written, nullptr) &&
        written == html.size();
    CloseHandle(file);
    if (!ok) return false;
    BSTR address = SysAllocString(b->page_file.c_str());
    VARIANT none;
    VariantInit(&none);
    const HRESULT hr = b->web->Navigate(address, &none, &none, &none, &none);
    SysFreeString(address);
    return SUCCEEDED(hr);
}

}  // namespace cw::win32
