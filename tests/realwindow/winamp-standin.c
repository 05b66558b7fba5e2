// SPDX-License-Identifier: GPL-3.0-or-later
/* A 32-bit Windows stand-in for the player, run under Wine by the Wine test.
 * Like the player, it runs once per prefix: the first start becomes the
 * running player and takes its arguments as its playlist; a later start hands
 * its arguments to the running one in a window message and exits with 0.
 * The running one writes what it does to player.log beside itself, a line
 * each, starting with the Unix time in milliseconds and its process id:
 *   <ms> <pid> play <cksum> <size> <path>   the first item names a file
 *   <ms> <pid> stop <items...>              it does not
 * where <cksum> <size> are what `cksum` prints for the bytes it read. */
#include <stdio.h>
#include <string.h>
#include <wchar.h>
#include <windows.h>
#include <shellapi.h>

static const wchar_t kClass[] = L"DozewellStandInPlayer";
static wchar_t g_log[MAX_PATH];

static unsigned long long UnixMs(void)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks = ((unsigned long long)now.dwHighDateTime << 32) | now.dwLowDateTime;
    return (ticks - 116444736000000000ULL) / 10000;
}

/* The CRC of POSIX cksum: the bytes, then their count, most significant bit first. */
static unsigned int CrcStep(unsigned int crc, unsigned char byte)
{
    crc ^= (unsigned int)byte << 24;
    for (int bit = 0; bit < 8; ++bit)
        crc = crc & 0x80000000u ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    return crc;
}

static void Record(const char *what, const wchar_t *item)
{
    FILE *log = _wfopen(g_log, L"ab");
    if (!log)
        return;
    char utf8[4 * MAX_PATH] = "";
    if (item)
        WideCharToMultiByte(CP_UTF8, 0, item, -1, utf8, sizeof utf8, NULL, NULL);
    fprintf(log, "%llu %lu %s%s%s\n", UnixMs(), GetCurrentProcessId(), what, item ? " " : "", utf8);
    fclose(log);
}

/* Plays the first item when it names a file, and stops otherwise. */
static void TakePlaylist(int count, wchar_t **items)
{
    HANDLE file = count > 0 ? CreateFileW(items[0], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL)
                            : INVALID_HANDLE_VALUE;
    if (file == INVALID_HANDLE_VALUE) {
        wchar_t words[4096] = L"";
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                wcsncat(words, L" ", 4095 - wcslen(words));
            wcsncat(words, items[i], 4095 - wcslen(words));
        }
        Record("stop", words);
        return;
    }
    unsigned int crc = 0;
    unsigned long long size = 0;
    unsigned char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0) {
        for (DWORD i = 0; i < got; ++i)
            crc = CrcStep(crc, buffer[i]);
        size += got;
    }
    CloseHandle(file);
    for (unsigned long long n = size; n > 0; n >>= 8)
        crc = CrcStep(crc, (unsigned char)(n & 0xff));
    char what[64];
    snprintf(what, sizeof what, "play %u %llu", ~crc, size);
    Record(what, items[0]);
}

/* A later start's items arrive as one block of NUL-terminated strings. */
static LRESULT CALLBACK Receive(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != WM_COPYDATA)
        return DefWindowProcW(window, message, wparam, lparam);
    const COPYDATASTRUCT *data = (const COPYDATASTRUCT *)lparam;
    wchar_t *items[64];
    int count = 0;
    const wchar_t *at = data->lpData;
    const wchar_t *end = at + data->cbData / sizeof(wchar_t);
    while (at < end && count < 64) {
        items[count++] = (wchar_t *)at;
        at += wcslen(at) + 1;
    }
    TakePlaylist(count, items);
    return TRUE;
}

static int HandOver(int count, wchar_t **items)
{
    HWND running = NULL;
    for (int tries = 0; !running && tries < 100; ++tries) { /* the first one may still be starting */
        running = FindWindowExW(HWND_MESSAGE, NULL, kClass, NULL);
        if (!running)
            Sleep(20);
    }
    if (!running)
        return 1;
    static wchar_t block[8192];
    size_t used = 0;
    for (int i = 0; i < count; ++i) {
        const size_t length = wcslen(items[i]) + 1;
        if (used + length > 8192)
            return 1;
        memcpy(block + used, items[i], length * sizeof(wchar_t));
        used += length;
    }
    COPYDATASTRUCT data = {0, (DWORD)(used * sizeof(wchar_t)), block};
    return SendMessageW(running, WM_COPYDATA, 0, (LPARAM)&data) ? 0 : 1;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous, (void)commandLine, (void)show;
    int count = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &count);
    GetModuleFileNameW(NULL, g_log, MAX_PATH);
    wcscpy(wcsrchr(g_log, L'\\') + 1, L"player.log");

    CreateMutexW(NULL, TRUE, kClass);
    if (GetLastError() == ERROR_ALREADY_EXISTS)
        return HandOver(count - 1, argv + 1);

    WNDCLASSW type = {0};
    type.lpfnWndProc = Receive;
    type.hInstance = instance;
    type.lpszClassName = kClass;
    RegisterClassW(&type);
    CreateWindowW(kClass, kClass, 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, instance, NULL);
    TakePlaylist(count - 1, argv + 1);
    MSG message;
    while (GetMessageW(&message, NULL, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
