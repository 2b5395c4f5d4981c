// Inflates zlib's format in script, for browsers without DecompressionStream
// (Safari before 16.4, so every iPad that stops at iPadOS 15, and Firefox
// before 113): the WebAssembly is stored deflated, and this costs a few
// milliseconds once at start-up where the browser cannot do it itself.
// The checksum at the end is not checked: the bytes come from this file,
// and a damaged module fails to compile anyway.
const InflateOrder = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];
const LengthBase = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115,
                    131, 163, 195, 227, 258];
const LengthExtra = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0];
const DistanceBase = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537,
                      2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
const DistanceExtra = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13];

function inflateZlib(data) {
    let at = 2; // past zlib's two header bytes
    let held = 0; // bits read but not yet used, the first in the lowest bit
    let heldCount = 0;
    let out = new Uint8Array(data.length * 4);
    let length = 0;

    function bits(count) {
        while (heldCount < count) {
            if (at >= data.length)
                throw new Error('inflate: the data ends early');
            held |= data[at++] << heldCount;
            heldCount += 8;
        }
        const value = held & ((1 << count) - 1);
        held >>>= count;
        heldCount -= count;
        return value;
    }

    function room(count) {
        if (length + count <= out.length)
            return;
        const larger = new Uint8Array(Math.max(out.length * 2, length + count));
        larger.set(out);
        out = larger;
    }

    // A canonical Huffman code from each symbol's code length: how many
    // codes each length has, and the symbols in code order.
    function code(lengths) {
        const counts = new Uint16Array(16);
        for (const bitLength of lengths)
            ++counts[bitLength];
        counts[0] = 0;
        const offsets = new Uint16Array(16);
        for (let i = 1; i < 16; ++i)
            offsets[i] = offsets[i - 1] + counts[i - 1];
        const symbols = new Uint16Array(lengths.length);
        for (let symbol = 0; symbol < lengths.length; ++symbol) {
            if (lengths[symbol] !== 0)
                symbols[offsets[lengths[symbol]]++] = symbol;
        }
        return { counts, symbols };
    }

    // One symbol, read a bit at a time (codes are stored first bit first).
    function decode({ counts, symbols }) {
        let value = 0;
        let first = 0;
        let index = 0;
        for (let bitLength = 1; bitLength < 16; ++bitLength) {
            value |= bits(1);
            const count = counts[bitLength];
            if (value - first < count)
                return symbols[index + value - first];
            index += count;
            first = (first + count) << 1;
            value <<= 1;
        }
        throw new Error('inflate: a code that is no code');
    }

    function fixedCodes() {
        const lengths = new Uint8Array(288 + 30);
        lengths.fill(8, 0, 144);
        lengths.fill(9, 144, 256);
        lengths.fill(7, 256, 280);
        lengths.fill(8, 280, 288);
        lengths.fill(5, 288);
        return [code(lengths.subarray(0, 288)), code(lengths.subarray(288))];
    }

    function dynamicCodes() {
        const literalCount = bits(5) + 257;
        const distanceCount = bits(5) + 1;
        const lengthCount = bits(4) + 4;
        const codeLengths = new Uint8Array(19);
        for (let i = 0; i < lengthCount; ++i)
            codeLengths[InflateOrder[i]] = bits(3);
        const lengthCode = code(codeLengths);
        const lengths = new Uint8Array(literalCount + distanceCount);
        for (let i = 0; i < lengths.length;) {
            const symbol = decode(lengthCode);
            if (symbol < 16) {
                lengths[i++] = symbol;
                continue;
            }
            let value = 0;
            let repeat;
            if (symbol === 16) {
                if (i === 0)
                    throw new Error('inflate: a repeat with nothing before it');
                value = lengths[i - 1];
                repeat = 3 + bits(2);
            } else {
                repeat = symbol === 17 ? 3 + bits(3) : 11 + bits(7);
            }
            if (i + repeat > lengths.length)
                throw new Error('inflate: too many code lengths');
            lengths.fill(value, i, i + repeat);
            i += repeat;
        }
        return [code(lengths.subarray(0, literalCount)), code(lengths.subarray(literalCount))];
    }

    for (let last = 0; !last;) {
        last = bits(1);
        const type = bits(2);
        if (type === 0) {
            // Stored: from the next whole byte, a length, its complement, the bytes.
            held = 0;
            heldCount = 0;
            const count = data[at] | (data[at + 1] << 8);
            at += 4;
            if (at + count > data.length)
                throw new Error('inflate: the data ends early');
            room(count);
            out.set(data.subarray(at, at + count), length);
            at += count;
            length += count;
            continue;
        }
        if (type === 3)
            throw new Error('inflate: a block of no known type');
        const [literals, distances] = type === 1 ? fixedCodes() : dynamicCodes();
        for (;;) {
            const symbol = decode(literals);
            if (symbol < 256) {
                room(1);
                out[length++] = symbol;
            } else if (symbol === 256) {
                break;
            } else {
                if (symbol > 285)
                    throw new Error('inflate: a length of no known size');
                const count = LengthBase[symbol - 257] + bits(LengthExtra[symbol - 257]);
                const distanceSymbol = decode(distances);
                const distance = DistanceBase[distanceSymbol] + bits(DistanceExtra[distanceSymbol]);
                if (!(distance <= length))
                    throw new Error('inflate: a distance before the start');
                room(count);
                for (let i = 0; i < count; ++i, ++length)
                    out[length] = out[length - distance];
            }
        }
    }
    return out.subarray(0, length);
}
