/* The peer of a whole Cantiva run: libhyphen divides every word of a text and the whole text is
 * written out with its hyphens.  Usage: libhyphen_run DICTIONARY.dic TEXT > OUT
 * Letters are ASCII letters and, for KOI8-R dictionaries, the Cyrillic range 0xC0-0xFF, 0xA3, 0xB3;
 * for ISO8859-1 dictionaries, the Latin-1 letters 0xC0-0xFF but for the signs 0xD7 and 0xF7. */
#include <ctype.h>
#include <hyphen.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int latin1;

static int is_letter(unsigned char c, int koi8) {
    if (isalpha(c))
        return 1;
    if (latin1)
        return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    return koi8 && (c >= 0xC0 || c == 0xA3 || c == 0xB3);
}

static unsigned char lower(unsigned char c, int koi8) {
    if (c < 0x80)
        return (unsigned char)tolower(c);
    if (latin1 && c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return (unsigned char)(c + 0x20);
    if (koi8 && c >= 0xE0) /* KOI8-R capitals are 0xE0-0xFF, small letters 0xC0-0xDF */
        return (unsigned char)(c - 0x20);
    if (koi8 && c == 0xB3)
        return 0xA3;
    return c;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: libhyphen_run DICTIONARY TEXT\n");
        return 2;
    }
    HyphenDict* dict = hnj_hyphen_load(argv[1]);
    if (!dict) {
        fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    int koi8 = strcmp(dict->cset, "KOI8-R") == 0;
    latin1 = strcmp(dict->cset, "ISO8859-1") == 0;
    FILE* in = fopen(argv[2], "rb");
    if (!in)
        return 1;
    fseek(in, 0, SEEK_END);
    long size = ftell(in);
    fseek(in, 0, SEEK_SET);
    unsigned char* text = malloc((size_t)size + 1);
    if (fread(text, 1, (size_t)size, in) != (size_t)size)
        return 1;
    fclose(in);

    char* out = malloc((size_t)size * 2 + 64);
    size_t o = 0;
    char word[256], lowered[256], hyphens[300];
    char** rep = NULL;
    int* pos = NULL;
    int* cut = NULL;
    for (long i = 0; i < size;) {
        if (!is_letter(text[i], koi8)) {
            out[o++] = (char)text[i++];
            continue;
        }
        long start = i;
        while (i < size && is_letter(text[i], koi8))
            ++i;
        int n = (int)(i - start);
        if (n >= 200) {
            memcpy(out + o, text + start, (size_t)n);
            o += (size_t)n;
            continue;
        }
        memcpy(word, text + start, (size_t)n);
        for (int k = 0; k < n; ++k)
            lowered[k] = (char)lower((unsigned char)word[k], koi8);
        lowered[n] = 0;
        hnj_hyphen_hyphenate2(dict, lowered, n, hyphens, NULL, &rep, &pos, &cut);
        for (int k = 0; k < n; ++k) {
            out[o++] = word[k];
            if (k + 1 < n && (hyphens[k] & 1))
                out[o++] = '-';
        }
    }
    fwrite(out, 1, o, stdout);
    hnj_hyphen_free(dict);
    free(text);
    free(out);
    return 0;
}
