#include "pictures.h"

#include "core/catalogue.h"
#include "dpi.h"
#include "screen_reader_names.h"
#include "wide_text.h"

#include <oleacc.h>
#include <wincodec.h>

namespace zarvel {

namespace {

template <typename Interface> void Release(Interface *&object)
{
    if (object != nullptr)
        object->Release();
    object = nullptr;
}

// The PNG picture of a resource: its bytes, or none.
std::string_view PngResource(int number, int scale)
{
    const std::wstring name = Wide(PictureFileName(number, scale));
    HRSRC resource = FindResourceW(nullptr, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
    if (data == nullptr)
        return {};
    return {static_cast<const char *>(LockResource(data)), SizeofResource(nullptr, resource)};
}

// The PNG picture decoded by the system's imaging component.
HBITMAP Decode(IWICImagingFactory *factory, std::string_view png)
{
    IWICStream *stream = nullptr;
    IWICBitmapDecoder *decoder = nullptr;
    IWICBitmapFrameDecode *frame = nullptr;
    IWICFormatConverter *converter = nullptr;
    HBITMAP bitmap = nullptr;
    UINT width = 0;
    UINT height = 0;
    if (factory != nullptr && !png.empty() && SUCCEEDED(factory->CreateStream(&stream))
        && SUCCEEDED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE *>(const_cast<char *>(png.data())), static_cast<DWORD>(png.size())))
        && SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnLoad, &decoder))
        && SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter))
        && SUCCEEDED(converter->Initialize(
            frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom))
        && SUCCEEDED(converter->GetSize(&width, &height))) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = static_cast<LONG>(width);
        info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void *bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap != nullptr
            && FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE *>(bits)))) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    Release(converter);
    Release(frame);
    Release(decoder);
    Release(stream);
    return bitmap;
}

struct PictureState {
    TwipsRect stored;
    int number = 0;
    bool clickable = false;
    bool pressed = false;
    bool shown = false; // as the reading wants it; the window is shown only with a picture too
};

Pictures *TheCatalogue = nullptr; // the program's one set of pictures
const ScreenReaderNames *TheScreenReaders = nullptr;
constexpr const wchar_t *PictureClass = L"ZarvelPicture";

// Where a picture control stands at `dpi`: at its stored place, with its
// stored size while it has no picture, else with the picture's.
RECT PicturePlace(const PictureState &state, UINT dpi)
{
    RECT place = Scaled(state.stored, dpi);
    if (state.number != 0) {
        const SIZE size = TheCatalogue->Size(state.number);
        place.right = place.left + MulDiv(size.cx, static_cast<int>(dpi), 96);
        place.bottom = place.top + MulDiv(size.cy, static_cast<int>(dpi), 96);
    }
    return place;
}

PictureState &StateOf(HWND control)
{
    return *reinterpret_cast<PictureState *>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void Paint(HWND control)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(control, &paint);
    const PictureState &state = StateOf(control);
    const UINT dpi = DpiOf(control);
    // The 1× picture at 96 dots per inch, the 2× one above: a picture is
    // only ever made smaller, never blurred by enlarging it.
    const int scale = dpi > 96 ? 2 : 1;
    if (HBITMAP bitmap = state.number != 0 ? TheCatalogue->Bitmap(state.number, scale) : nullptr) {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof(info), &info);
        HDC source = CreateCompatibleDC(target);
        HGDIOBJ old = SelectObject(source, bitmap);
        const SIZE size = TheCatalogue->Size(state.number);
        const int width = MulDiv(size.cx, static_cast<int>(dpi), 96);
        const int height = MulDiv(size.cy, static_cast<int>(dpi), 96);
        if (width == info.bmWidth && height == info.bmHeight) {
            BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
        } else {
            SetStretchBltMode(target, HALFTONE);
            SetBrushOrgEx(target, 0, 0, nullptr);
            StretchBlt(target, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        }
        SelectObject(source, old);
        DeleteDC(source);
        if (state.clickable && GetFocus() == control) {
            RECT focus = {2, 2, width - 2, height - 2};
            DrawFocusRect(target, &focus);
        }
    }
    EndPaint(control, &paint);
}

void Click(HWND control)
{
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
        reinterpret_cast<LPARAM>(control));
}

LRESULT CALLBACK PictureProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCREATE: // the state comes with the window
        SetWindowLongPtrW(control, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
        break;
    case WM_NCDESTROY: delete &StateOf(control); break;
    case WM_PAINT: Paint(control); return 0;
    case WM_ERASEBKGND: return 1; // the picture covers the whole window
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(control, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        if (StateOf(control).clickable) {
            StateOf(control).pressed = true;
            SetCapture(control);
        }
        return 0;
    case WM_LBUTTONUP: {
        PictureState &state = StateOf(control);
        if (!state.pressed)
            return 0;
        state.pressed = false;
        ReleaseCapture();
        RECT area;
        GetClientRect(control, &area);
        const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (PtInRect(&area, at))
            Click(control);
        return 0;
    }
    case WM_KEYDOWN:
        if (StateOf(control).clickable && (wParam == VK_SPACE || wParam == VK_RETURN)) {
            Click(control);
            return 0;
        }
        break;
    default: break;
    }
    return DefWindowProcW(control, message, wParam, lParam);
}

} // namespace

Pictures::~Pictures()
{
    for (auto &[key, bitmap] : bitmaps_)
        DeleteObject(bitmap);
    if (factory_ != nullptr)
        factory_->Release();
    if (comOpened_)
        CoUninitialize();
}

HBITMAP Pictures::Bitmap(int number, int scale)
{
    const auto key = std::make_pair(number, scale);
    if (const auto found = bitmaps_.find(key); found != bitmaps_.end())
        return found->second;
    // The imaging component is loaded when the first picture is drawn, not
    // at the start.
    if (!imagingTried_) {
        imagingTried_ = true;
        comOpened_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
            reinterpret_cast<void **>(&factory_));
    }
    HBITMAP bitmap = Decode(factory_, PngResource(number, scale));
    bitmaps_[key] = bitmap;
    return bitmap;
}

SIZE Pictures::Size(int number)
{
    // From the PNG's header, without decoding it: its width and height,
    // big-endian, follow the signature and the header chunk's length and
    // name.
    const std::string_view png = PngResource(number, 1);
    if (png.size() < 24)
        return {0, 0};
    const auto at = [&png](std::size_t offset) {
        LONG value = 0;
        for (std::size_t i = offset; i < offset + 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(png[i]);
        return value;
    };
    return {at(16), at(20)};
}

void RegisterPictureClass(HINSTANCE instance, Pictures &pictures, const ScreenReaderNames &screenReaders)
{
    TheCatalogue = &pictures;
    TheScreenReaders = &screenReaders;
    WNDCLASSEXW type = {};
    type.cbSize = sizeof(type);
    type.lpfnWndProc = PictureProcedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    type.lpszClassName = PictureClass;
    RegisterClassExW(&type);
}

HWND CreatePicture(HWND parent, const ControlRow &row, int id, UINT dpi)
{
    const bool clickable = row.event != ControlEvent::None;
    const int number = CarriesPicture(row.imageNumber) ? row.imageNumber : 0;
    auto *state = new PictureState{row.place, number, clickable, false, row.visible};
    const RECT place = PicturePlace(*state, dpi);
    const DWORD style
        = WS_CHILD | WS_CLIPSIBLINGS | (clickable ? WS_TABSTOP : 0) | (row.visible && number != 0 ? WS_VISIBLE : 0);
    HWND control = CreateWindowExW(0, PictureClass, Wide(PictureName(number)).c_str(), style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        nullptr, state);
    TheScreenReaders->Name(control, Wide(PictureName(number)));
    TheScreenReaders->Role(control, clickable ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_GRAPHIC);
    return control;
}

void ShowPicture(HWND control, int number)
{
    StateOf(control).number = number;
    const std::wstring name = Wide(PictureName(number));
    SetWindowTextW(control, name.c_str());
    TheScreenReaders->Name(control, name);
    PlacePicture(control);
    SetPictureVisible(control, StateOf(control).shown);
    InvalidateRect(control, nullptr, FALSE);
}

void SetPictureVisible(HWND control, bool visible)
{
    // A window without a picture would hide what lies under it.
    StateOf(control).shown = visible;
    ShowWindow(control, visible && StateOf(control).number != 0 ? SW_SHOWNA : SW_HIDE);
}

int PictureNumber(HWND control) { return StateOf(control).number; }

void PlacePicture(HWND control)
{
    const RECT place = PicturePlace(StateOf(control), DpiOf(control));
    SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
        SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace zarvel
