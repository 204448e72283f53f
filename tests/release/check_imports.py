"""The executables start on Windows 7 SP1: none imports a DLL or a function that only a later
Windows has (the loader refuses to start a program with one missing import). Reads the PE
import directory itself; what is looked up at run time (GetProcAddress) is not in it.

    check_imports.py EXE...
"""
import re
import struct
import sys
from pathlib import Path

# DLLs a Windows 7 SP1 without later updates lacks: shcore (Windows 8.1), dcomp (Windows 8), the
# universal C runtime (Windows 10, or an update on 7), and the API sets an SDK for Windows 8 or
# later links to (Windows 7 has only a few l1-1-0 sets, for its own use).
ABSENT_DLLS = re.compile(r"(shcore|dcomp|ucrtbase|api-ms-win-.*|ext-ms-win-.*)\.dll")

# Functions of DLLs Windows 7 has, whose "Minimum supported client" in the Windows API reference
# is a later Windows.
ABSENT = {
    # user32: Windows 8 (pointer input, touch injection, display rotation, window feedback,
    # suspend/resume), Windows 8.1 (per-monitor points), Windows 10 1607, 1703 and 1803 (the
    # DPI-aware calls and DPI awareness contexts).
    "user32.dll": """GetPointerInfo GetPointerType GetPointerFrameInfo GetPointerTouchInfo
        GetPointerPenInfo GetPointerDevices GetPointerDevice GetPointerDeviceRects
        GetPointerCursorId GetPointerInfoHistory GetPointerFrameTouchInfo GetPointerFramePenInfo
        GetRawPointerDeviceData SkipPointerFrameMessages EnableMouseInPointer
        IsMouseInPointerEnabled RegisterPointerInputTarget UnregisterPointerInputTarget
        InitializeTouchInjection InjectTouchInput RegisterPointerDeviceNotifications
        GetCurrentInputMessageSource GetCIMSSM GetUnpredictedMessagePos
        SetDisplayAutoRotationPreferences GetDisplayAutoRotationPreferences GetAutoRotationState
        GetWindowFeedbackSetting SetWindowFeedbackSetting RegisterTouchHitTestingWindow
        EvaluateProximityToRect EvaluateProximityToPolygon IsImmersiveProcess
        RegisterSuspendResumeNotification UnregisterSuspendResumeNotification
        LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI
        GetDpiForWindow GetDpiForSystem AdjustWindowRectExForDpi GetSystemMetricsForDpi
        SystemParametersInfoForDpi EnableNonClientDpiScaling SetThreadDpiAwarenessContext
        GetThreadDpiAwarenessContext GetWindowDpiAwarenessContext AreDpiAwarenessContextsEqual
        GetAwarenessFromDpiAwarenessContext IsValidDpiAwarenessContext
        SetProcessDpiAwarenessContext SetDialogDpiChangeBehavior GetDialogDpiChangeBehavior
        SetDialogControlDpiChangeBehavior GetDialogControlDpiChangeBehavior
        GetDpiFromDpiAwarenessContext GetSystemDpiForProcess SetThreadDpiHostingBehavior
        GetThreadDpiHostingBehavior GetWindowDpiHostingBehavior""",
    # kernel32: Windows 8 (precise time, CreateFile2, packages, process and thread information,
    # mitigation policies, barriers, address waits, DLL directories (on 7 only with
    # KB2533623)), Windows 8.1 (virtual memory offers), Windows 10 (thread descriptions,
    # IsWow64Process2, VirtualAlloc2, CPU sets, interrupt times).
    "kernel32.dll": """GetSystemTimePreciseAsFileTime CreateFile2 CopyFile2
        GetCurrentThreadStackLimits GetFirmwareType GetOverlappedResultEx PrefetchVirtualMemory
        GetProcessMitigationPolicy SetProcessMitigationPolicy GetProcessInformation
        SetProcessInformation GetThreadInformation SetThreadInformation CreateFileMappingFromApp
        MapViewOfFileFromApp GetCurrentPackageId GetCurrentPackageFullName
        GetCurrentPackageFamilyName GetCurrentPackagePath GetPackageFullName GetPackageId
        GetPackagePath InitializeSynchronizationBarrier EnterSynchronizationBarrier
        DeleteSynchronizationBarrier WaitOnAddress WakeByAddressSingle WakeByAddressAll
        SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory SetThreadpoolTimerEx
        SetThreadpoolWaitEx GetDynamicTimeZoneInformationEffectiveYears
        GetAppContainerNamedObjectPath DiscardVirtualMemory OfferVirtualMemory
        ReclaimVirtualMemory GetMemoryErrorHandlingCapabilities PssCaptureSnapshot
        SetThreadDescription GetThreadDescription IsWow64Process2 VirtualAlloc2 MapViewOfFile3
        CreateFileMapping2 VirtualAllocFromApp GetSystemCpuSetInformation
        SetThreadSelectedCpuSets QueryInterruptTime QueryInterruptTimePrecise
        QueryUnbiasedInterruptTimePrecise GetUserDefaultGeoName""",
    # gdi32: Windows 8 and 10 (display adapters by LUID). advapi32: Windows 8 (event providers).
    "gdi32.dll": "D3DKMTOpenAdapterFromLuid D3DKMTEnumAdapters2",
    "advapi32.dll": "EventSetInformation",
}


def imports(path):
    """(dll, function) pairs of a PE file's import directory; an import by ordinal is '#N'."""
    data = Path(path).read_bytes()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError(f"{path}: not a PE file")
    sections, optional_size = struct.unpack_from("<2xH12xH", data, pe + 4)
    optional = pe + 24
    wide = struct.unpack_from("<H", data, optional)[0] == 0x20B  # PE32+
    directory = struct.unpack_from("<I", data, optional + (120 if wide else 104))[0]
    table = [struct.unpack_from("<8xIIII", data, optional + optional_size + 40 * i)
             for i in range(sections)]

    def at(rva):
        return next(raw + rva - va for size, va, raw_size, raw in table
                    if va <= rva < va + max(size, raw_size))

    def text(rva):
        start = at(rva)
        return data[start:data.index(b"\0", start)].decode("ascii")

    step, flag = (8, 1 << 63) if wide else (4, 1 << 31)
    entry = at(directory) if directory else None
    while entry is not None:
        names, _, _, dll, thunks = struct.unpack_from("<5I", data, entry)
        if dll == 0:
            break
        thunk = at(names or thunks)
        while value := struct.unpack_from("<Q" if wide else "<I", data, thunk)[0]:
            yield text(dll), f"#{value & 0xFFFF}" if value & flag else text(value + 2)
            thunk += step
        entry += 20


def main():
    absent = {dll: set(names.split()) for dll, names in ABSENT.items()}
    faults = []
    for exe in sys.argv[1:]:
        pairs = list(imports(exe))
        if not any(dll.lower() == "kernel32.dll" for dll, _ in pairs):
            faults.append(f"{exe}: no kernel32.dll among its imports: the table was misread")
        faults += [f"{Path(exe).name}: {dll}!{name}" for dll, name in pairs
                   if ABSENT_DLLS.fullmatch(dll.lower()) or name in absent.get(dll.lower(), ())]
    if faults:
        sys.exit("imports that Windows 7 SP1 lacks:\n" + "\n".join(faults))
    print("imports found on Windows 7 SP1:", ", ".join(Path(e).name for e in sys.argv[1:]))


if __name__ == "__main__":
    main()
