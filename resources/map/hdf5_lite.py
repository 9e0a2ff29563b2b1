"""Reads the one-dimensional integer arrays of a netCDF-4 (HDF5) file, standard library only.

Enough of HDF5 for the files the GMT coastline packages install: superblock version 0,
object headers of version 1 or 2, a root group whose links are a symbol table or a small
fractal heap, and datasets stored compact, contiguous or in chunks indexed by a version 1
B-tree, through the shuffle and deflate filters. Anything else is refused with an error.
"""

import struct
import zlib

_SHUFFLE, _DEFLATE = 2, 1


class Hdf5File:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        if self.data[:8] != b"\x89HDF\r\n\x1a\n":
            raise ValueError(f"{path}: not an HDF5 file")
        if self.data[8] != 0:
            raise ValueError(f"{path}: superblock version {self.data[8]} is not supported")
        if self.data[13] != 8 or self.data[14] != 8:
            raise ValueError(f"{path}: only 8-byte offsets and lengths are supported")
        # The root group's symbol table entry follows the four addresses.
        root = struct.unpack_from("<Q", self.data, 24 + 4 * 8 + 8)[0]
        messages = self._messages(root)
        if 0x0011 in messages:  # old-style group: a B-tree of symbol table nodes
            btree, heap = struct.unpack_from("<QQ", self.data, messages[0x0011])
            self.datasets = dict(self._group_entries(btree, heap))
        else:  # new-style group: links kept in a fractal heap
            self.datasets = dict(self._dense_links(messages[0x0002]))

    def names(self):
        return sorted(self.datasets)

    def read(self, name):
        """The values of a one-dimensional integer or float dataset, as a list."""
        messages = self._messages(self.datasets[name])
        dims = self._dataspace(messages[0x0001])
        fmt, size = self._datatype(messages[0x0003])
        filters = self._filters(messages.get(0x000B))
        count = 1
        for d in dims:
            count *= d
        raw = self._layout_bytes(messages[0x0008], filters, size, count)
        return list(struct.unpack_from(f"{fmt[0]}{count}{fmt[1]}", raw))

    # --- structure -------------------------------------------------------------------------

    def _group_entries(self, btree, heap):
        assert self.data[heap:heap + 4] == b"HEAP"
        heap_data = struct.unpack_from("<Q", self.data, heap + 24)[0]
        for node in self._btree_children(btree):
            assert self.data[node:node + 4] == b"SNOD"
            count = struct.unpack_from("<H", self.data, node + 6)[0]
            for i in range(count):
                at = node + 8 + 40 * i
                name_offset, header = struct.unpack_from("<QQ", self.data, at)
                end = self.data.index(b"\0", heap_data + name_offset)
                yield self.data[heap_data + name_offset:end].decode(), header

    def _btree_nodes(self, address, key_size):
        """(key, child) of every leaf entry of a version 1 B-tree; key is the raw bytes."""
        d = self.data
        assert d[address:address + 4] == b"TREE", "broken B-tree"
        level = d[address + 5]
        used = struct.unpack_from("<H", d, address + 6)[0]
        at = address + 24
        for _ in range(used):
            key = d[at:at + key_size]
            child = struct.unpack_from("<Q", d, at + key_size)[0]
            at += key_size + 8
            if level == 0:
                yield key, child
            else:
                yield from self._btree_nodes(child, key_size)

    def _btree_children(self, address):
        for _, child in self._btree_nodes(address, 8):
            yield child

    def _messages(self, header):
        """Where the body of each kind of message of an object header starts (first of a kind)."""
        if self.data[header:header + 4] == b"OHDR":
            return self._messages_v2(header)
        d = self.data
        if d[header] != 1:
            raise ValueError(f"object header version {d[header]} is not supported")
        count, _, size = struct.unpack_from("<HII", d, header + 2)
        blocks = [(header + 16, size)]
        found = {}
        while blocks:
            start, length = blocks.pop(0)
            at = start
            while at + 8 <= start + length and count > 0:
                kind, msg_size = struct.unpack_from("<HH", d, at)
                body = at + 8
                if kind == 0x0010:  # continuation
                    blocks.append(struct.unpack_from("<QQ", d, body))
                found.setdefault(kind, body)
                at = body + msg_size
                count -= 1
        return found

    def _messages_v2(self, header):
        d = self.data
        flags = d[header + 5]
        at = header + 6 + (16 if flags & 0x20 else 0) + (4 if flags & 0x10 else 0)
        width = 1 << (flags & 3)
        size = int.from_bytes(d[at:at + width], "little")
        blocks = [(at + width, size)]
        prefix = 6 if flags & 0x04 else 4  # type, size, flags and perhaps creation order
        found = {}
        while blocks:
            start, length = blocks.pop(0)
            at, end = start, start + length - 4  # the checksum closes each block
            while at + prefix <= end:
                kind = d[at]
                msg_size = struct.unpack_from("<H", d, at + 1)[0]
                body = at + prefix
                if kind == 0x10:
                    address, block_length = struct.unpack_from("<QQ", d, body)
                    assert d[address:address + 4] == b"OCHK"
                    blocks.append((address + 4, block_length - 4))
                if kind != 0:
                    found.setdefault(kind, body)
                at = body + msg_size
        return found

    def _dense_links(self, link_info):
        """Name and object header of each hard link of a group whose links are in a fractal
        heap of direct blocks (at most one level of indirect block above them)."""
        d = self.data
        flags = d[link_info + 1]
        heap = struct.unpack_from("<Q", d, link_info + 2 + (8 if flags & 1 else 0))[0]
        assert d[heap:heap + 4] == b"FRHP", "broken fractal heap"
        heap_flags = d[heap + 9]
        objects = struct.unpack_from("<Q", d, heap + 70)[0]
        width, start_size, max_direct = struct.unpack_from("<HQQ", d, heap + 110)
        max_heap_bits = struct.unpack_from("<H", d, heap + 128)[0]
        root, rows = struct.unpack_from("<QH", d, heap + 132)
        offset_bytes = (max_heap_bits + 7) // 8
        if rows == 0:
            blocks = [(root, start_size)]
        else:
            assert d[root:root + 4] == b"FHIB", "broken fractal heap"
            blocks = []
            at = root + 5 + 8 + offset_bytes
            for row in range(rows):
                size = start_size * (1 << max(0, row - 1))
                if size > max_direct:
                    raise ValueError("nested indirect blocks are not supported")
                for _ in range(width):
                    address = struct.unpack_from("<Q", d, at)[0]
                    at += 8
                    if address != 0xFFFFFFFFFFFFFFFF:
                        blocks.append((address, size))
        prefix = 5 + 8 + offset_bytes + (4 if heap_flags & 2 else 0)
        found = 0
        for block, size in blocks:
            assert d[block:block + 4] == b"FHDB", "broken fractal heap"
            at, end = block + prefix, block + size
            while found < objects and at + 2 < end and d[at] == 1:
                link_flags = d[at + 1]
                at += 2
                link_type = 0
                if link_flags & 0x08:
                    link_type = d[at]
                    at += 1
                if link_flags & 0x04:
                    at += 8
                if link_flags & 0x10:
                    at += 1
                length_width = 1 << (link_flags & 3)
                name_length = int.from_bytes(d[at:at + length_width], "little")
                at += length_width
                name = d[at:at + name_length].decode()
                at += name_length
                if link_type != 0:
                    raise ValueError(f"link {name}: only hard links are supported")
                yield name, struct.unpack_from("<Q", d, at)[0]
                at += 8
                found += 1
        if found != objects:
            raise ValueError(f"found {found} of the group's {objects} links")

    def _dataspace(self, at):
        d = self.data
        version, rank, flags = d[at], d[at + 1], d[at + 2]
        first = at + (8 if version == 1 else 4)
        return list(struct.unpack_from(f"<{rank}Q", d, first))

    def _datatype(self, at):
        d = self.data
        cls = d[at] & 0x0F
        bits = d[at + 1]
        size = struct.unpack_from("<I", d, at + 4)[0]
        order = ">" if bits & 1 else "<"
        if cls == 0:
            signed = bool(bits & 0x08)
            code = {1: "b", 2: "h", 4: "i", 8: "q"}[size]
            return (order, code if signed else code.upper()), size
        if cls == 1:
            return (order, {4: "f", 8: "d"}[size]), size
        raise ValueError(f"datatype class {cls} is not supported")

    def _filters(self, at):
        if at is None:
            return []
        d = self.data
        version, count = d[at], d[at + 1]
        pos = at + (8 if version == 1 else 2)
        ids = []
        for _ in range(count):
            fid = struct.unpack_from("<H", d, pos)[0]
            if version == 1 or fid >= 256:
                name_len, _, nvalues = struct.unpack_from("<HHH", d, pos + 2)
                pos += 8
            else:
                name_len = 0
                _, nvalues = struct.unpack_from("<HH", d, pos + 2)
                pos += 6
            if version == 1:
                name_len = (name_len + 7) // 8 * 8
            pos += name_len + 4 * nvalues
            if version == 1 and nvalues % 2:
                pos += 4
            ids.append(fid)
        unknown = [f for f in ids if f not in (_SHUFFLE, _DEFLATE)]
        if unknown:
            raise ValueError(f"filters {unknown} are not supported")
        return ids

    def _layout_bytes(self, at, filters, element_size, count):
        d = self.data
        version, cls = d[at], d[at + 1]
        if version != 3:
            raise ValueError(f"layout version {version} is not supported")
        if cls == 0:
            size = struct.unpack_from("<H", d, at + 2)[0]
            return d[at + 4:at + 4 + size]
        if cls == 1:
            address, size = struct.unpack_from("<QQ", d, at + 2)
            return d[address:address + size]
        if cls != 2:
            raise ValueError(f"layout class {cls} is not supported")
        rank = d[at + 2]  # the element size counts as one more dimension
        btree = struct.unpack_from("<Q", d, at + 3)[0]
        chunk = struct.unpack_from(f"<{rank}I", d, at + 11)
        out = bytearray(count * element_size)
        key_size = 8 + 8 * rank
        for key, address in self._btree_nodes(btree, key_size):
            size, mask = struct.unpack_from("<II", key)
            offset = struct.unpack_from("<Q", key, 8)[0]
            raw = d[address:address + size]
            for i, fid in reversed(list(enumerate(filters))):
                if mask & (1 << i):
                    continue
                raw = zlib.decompress(raw) if fid == _DEFLATE else _unshuffle(raw, element_size)
            start = offset * element_size
            take = min(len(raw), len(out) - start, chunk[0] * element_size)
            out[start:start + take] = raw[:take]
        return bytes(out)


def _unshuffle(raw, element_size):
    n = len(raw) // element_size
    out = bytearray(len(raw))
    for byte in range(element_size):
        out[byte:n * element_size:element_size] = raw[byte * n:(byte + 1) * n]
    return bytes(out)
