# Per-bitness settings of the Windows build.
if(QUILLNOTE_BITNESS EQUAL 64)
    set(QUILLNOTE_WIDL_ARCH -m64)
    set(QUILLNOTE_STDOLE_DIR "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows" CACHE PATH "Folder of stdole2.tlb")
    set(QUILLNOTE_MANIFEST_ARCH amd64)
else()
    set(QUILLNOTE_WIDL_ARCH -m32)
    set(QUILLNOTE_STDOLE_DIR "/usr/lib/i386-linux-gnu/wine/i386-windows" CACHE PATH "Folder of stdole2.tlb")
    set(QUILLNOTE_MANIFEST_ARCH x86)
endif()

# Where the generated type library, caller's header and GUID definitions go.
set(QUILLNOTE_SDK_DIR ${CMAKE_BINARY_DIR}/sdk)
