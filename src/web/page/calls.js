// The program's calls of the scripts' methods (web/PageCall.h), each by its name
// ("Picture.line") and its signature: a letter for its result, then one for each argument. An
// argument is a number (n), a truth value (b), a text (t: its UTF-8 bytes and their count), a
// rectangle (r) or an object with named fields (o); a result is nothing (v), a number (n), a text
// (t) or a list of texts (l), which the program frees. A call's method is found once, the first
// time it is made.
var PageCalls = (function () {
    'use strict';

    // What an argument of each letter is made from: the numbers at the place reached, which
    // it passes.
    const readers = {
        n: (at) => HEAPF64[at.slot++],
        b: (at) => HEAPF64[at.slot++] !== 0,
        t(at) {
            const text = UTF8ToString(HEAPF64[at.slot], HEAPF64[at.slot + 1]);
            at.slot += 2;
            return text;
        },
        r(at) {
            const slot = at.slot;
            at.slot += 4;
            return { left: HEAPF64[slot], top: HEAPF64[slot + 1], width: HEAPF64[slot + 2],
                     height: HEAPF64[slot + 3] };
        },
        // How many fields, then each field's name, letter and value.
        o(at) {
            const object = {};
            for (let count = readers.n(at); count > 0; --count) {
                const name = readers.t(at);
                object[name] = readers[String.fromCharCode(readers.n(at))](at);
            }
            return object;
        },
    };

    // Writes where a text's bytes are, in memory of the program's, and how many they are; or a
    // list's texts, each so.
    function writeText(at, value) {
        const place = allocateUTF8(value);
        HEAPU32[at >> 2] = place;
        HEAPU32[(at >> 2) + 1] = lengthBytesUTF8(value);
    }
    const writers = {
        v() {},
        n(result, value) {
            HEAPF64[result >> 3] = value;
        },
        t(result, value) {
            writeText(result + 8, value);
        },
        l(result, values) {
            const list = _malloc(8 * values.length);
            values.forEach((value, i) => writeText(list + 8 * i, value));
            HEAPU32[(result + 8) >> 2] = list;
            HEAPU32[(result + 12) >> 2] = values.length;
        },
    };

    function find(name) {
        const [objectName, methodName] = name.split('.');
        const object = globalThis[objectName];
        if (!object || typeof object[methodName] !== 'function')
            throw new Error('Kymora: the page has no ' + name);
        return object[methodName].bind(object);
    }

    // A call's method, with what reads its arguments and writes its result.
    function bind(name, signature) {
        const letters = UTF8ToString(signature);
        const method = find(UTF8ToString(name));
        const read = [...letters.slice(1)].map((letter) => readers[letter]);
        const write = writers[letters[0]];
        return (numbers, result) => {
            const at = { slot: numbers >> 3 };
            const value = method(...read.map((reader) => reader(at)));
            if (result)
                write(result, value);
            return value;
        };
    }

    const bound = new Map();

    return {
        // Returns what the method returned: the promise of a call the program waits for.
        call(name, signature, numbers, result) {
            let call = bound.get(name);
            if (!call) {
                call = bind(name, signature);
                bound.set(name, call);
            }
            return call(numbers, result);
        },
    };
})();
