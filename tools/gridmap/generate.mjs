// Draws the world grid map picture (assets/gridmap.png): the Maidenhead field grid on an
// equirectangular world map at 1.6 pixels per degree, 638 x 322 pixels, eight colours.
//
// Usage: node generate.mjs [output.png]   (default: ../../assets/gridmap.png)
//
// The coastlines are Natural Earth's 1:50m countries (public domain) as packaged by
// world-atlas; world-countries tells which part of the world each country lies in. Land is
// sampled at pixel centres by a scanline fill, without anti-aliasing: islands too small to see
// are left out and narrow ones are traced along their coasts. Nothing depends on time or
// chance, so the same packages give the same bytes.

import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { dirname, resolve } from 'node:path';
import { feature } from 'topojson-client';
import { PNG } from 'pngjs';

import { region, Fill } from './regions.mjs';
import { drawText, textWidth, FONT_SMALL, FONT_BAND } from './font.mjs';

const require = createRequire(import.meta.url);
const topology = require('world-atlas/countries-50m.json');
const countries = require('world-countries/countries.json');

const WIDTH = 638;
const HEIGHT = 322;

// The eight colours of the picture.
const Colour = {
    background: [0x1c, 0x22, 0x2c],
    red: [0xfc, 0x52, 0x54],
    yellow: [0xfc, 0xfe, 0x54],
    brown: [0xa4, 0x52, 0x04],
    green: [0x54, 0xfe, 0x54],
    magenta: [0xfc, 0x52, 0xfc],
    grey: [0xa4, 0xa6, 0xa4],
    sea: [0x04, 0xa6, 0xa4],
};

// Frame and grid. Vertical lines every 32 px (20 degrees), horizontal lines every 16 px
// (10 degrees) except the 17 px of field row N (40..50 N).
const FRAME_LEFT = 29;
const FRAME_RIGHT = 607;
const FRAME_TOP = 11;
const FRAME_BOTTOM = 302;
const MAP_LEFT = 30; // longitude -180
const MAP_RIGHT = 606; // longitude +180
const MAP_TOP = 12; // latitude +90
const MAP_BOTTOM = 301; // latitude -90
const PRIME_MERIDIAN_X = 318;
const EQUATOR_Y = 157;

const verticalLineX = (k) => MAP_LEFT + 32 * k; // k = 0..18, longitude -180 + 20k
// Pixel row of the horizontal grid line at lat, a multiple of 10 degrees.
const horizontalLineY = (lat) =>
    lat >= 50 ? MAP_TOP + ((90 - lat) / 10) * 16 : 93 + ((40 - lat) / 10) * 16;
const inMap = (x, y) => x >= MAP_LEFT && x <= MAP_RIGHT && y >= MAP_TOP && y <= MAP_BOTTOM;

// Latitude of the centre of pixel row y, linear within each 10 degree band so that every
// coastline stays in the field row it belongs to.
function latitudeOfRow(y) {
    if (y <= 76) return 90 - ((y - MAP_TOP) / 16) * 10;
    if (y <= 93) return 50 - ((y - 76) / 17) * 10;
    return 40 - ((y - 93) / 16) * 10;
}

// Continuous pixel coordinates of a point, pixel centres at integer + 0.5.
const pixelX = (lon) => MAP_LEFT + 0.5 + (lon + 180) * 1.6;
function pixelY(lat) {
    const band = Math.min(80, Math.floor(lat / 10) * 10); // south edge of its 10 degree band
    const yTop = horizontalLineY(band + 10);
    const yBottom = horizontalLineY(band);
    return yBottom + 0.5 - ((lat - band) / 10) * (yBottom - yTop);
}

// The data keep each ring on the sphere: a ring that crosses the antimeridian jumps by 360
// degrees of longitude, and Antarctica's coast runs once around the south pole. Rings are made
// continuous in longitude here, and a ring around a pole is closed along that pole.
function unwrap(ring) {
    const out = [ring[0].slice()];
    for (let j = 1; j < ring.length; ++j) {
        const [prevLon] = out[j - 1];
        let [lon, lat] = ring[j];
        lon += 360 * Math.round((prevLon - lon) / 360);
        out.push([lon, lat]);
    }
    const [lastLon, lastLat] = out[out.length - 1];
    const [firstLon, firstLat] = out[0];
    if (Math.abs(lastLon - firstLon) > 180) {
        const pole = lastLat + firstLat < 0 ? -90 : 90;
        out.push([lastLon, pole], [firstLon, pole]);
    }
    return out;
}

// The copies of a polygon to draw: unwrapped rings may reach past +-180 degrees, and what lies
// beyond one edge of the map is drawn again at the other.
function mapCopies(polygon) {
    const rings = polygon.map(unwrap);
    let lonMin = Infinity;
    let lonMax = -Infinity;
    for (const ring of rings) {
        for (const [lon] of ring) {
            lonMin = Math.min(lonMin, lon);
            lonMax = Math.max(lonMax, lon);
        }
    }
    const copies = [];
    for (let shift = -720; shift <= 720; shift += 360) {
        if (lonMax + shift > -180 && lonMin + shift < 180) {
            copies.push(rings.map((ring) => ring.map(([lon, lat]) => [lon + shift, lat])));
        }
    }
    return copies;
}

// Polygon area in square pixels: its largest ring less the others, which are holes in it.
function pixelArea(polygon) {
    const areas = polygon.map((ring) => {
        let a = 0;
        for (let j = 0, n = ring.length; j < n; ++j) {
            const [x0, y0] = ring[j];
            const [x1, y1] = ring[(j + 1) % n];
            a += pixelX(x0) * pixelY(y1) - pixelX(x1) * pixelY(y0);
        }
        return Math.abs(a / 2);
    });
    const largest = Math.max(...areas);
    return 2 * largest - areas.reduce((sum, a) => sum + a, 0);
}

// Sets every pixel that the rings of polygon pass through: narrow islands that sampling at
// pixel centres would break into specks stay whole.
function trace(polygon, mask) {
    for (const ring of polygon) {
        for (let j = 0, n = ring.length; j < n; ++j) {
            const [lon0, lat0] = ring[j];
            const [lon1, lat1] = ring[(j + 1) % n];
            const x0 = pixelX(lon0);
            const y0 = pixelY(lat0);
            const length = Math.max(Math.abs(pixelX(lon1) - x0), Math.abs(pixelY(lat1) - y0));
            const steps = Math.ceil(4 * length) + 1;
            for (let k = 0; k <= steps; ++k) {
                const t = k / steps;
                const x = Math.floor(pixelX(lon0 + t * (lon1 - lon0)));
                const y = Math.floor(pixelY(lat0 + t * (lat1 - lat0)));
                if (inMap(x, y)) mask[y * WIDTH + x] = 1;
            }
        }
    }
}

// Scanline fill of one polygon (even-odd over its rings) into mask, sampling pixel centres.
function rasterise(polygon, mask) {
    let latMin = Infinity;
    let latMax = -Infinity;
    for (const [, lat] of polygon.flat()) {
        latMin = Math.min(latMin, lat);
        latMax = Math.max(latMax, lat);
    }
    for (let y = MAP_TOP; y <= MAP_BOTTOM; ++y) {
        const lat = latitudeOfRow(y);
        if (lat < latMin || lat > latMax) continue;
        const crossings = [];
        for (const ring of polygon) {
            for (let j = 0, n = ring.length; j < n; ++j) {
                const [lon0, lat0] = ring[j];
                const [lon1, lat1] = ring[(j + 1) % n];
                if (lat0 > lat !== lat1 > lat) {
                    const lon = lon0 + ((lat - lat0) / (lat1 - lat0)) * (lon1 - lon0);
                    crossings.push(pixelX(lon));
                }
            }
        }
        crossings.sort((a, b) => a - b);
        for (let i = 0; i + 1 < crossings.length; i += 2) {
            const first = Math.max(MAP_LEFT, Math.ceil(crossings[i] - 0.5));
            const last = Math.min(MAP_RIGHT, Math.ceil(crossings[i + 1] - 0.5) - 1);
            for (let x = first; x <= last; ++x) mask[y * WIDTH + x] = 1;
        }
    }
}

// Islands below this many square pixels are left out: they would only be specks.
const MIN_ISLAND_AREA = 1.5;
// Islands below this many square pixels are also traced along their coasts.
const MAX_TRACED_AREA = 40;
// After sampling, land or water patches of fewer pixels than this are taken away (slivers of
// narrow islands, one-pixel gaps in narrow straits), which keeps coasts free of noise.
const MIN_PATCH_PIXELS = 3;

// Flips every 4-connected patch of value `from` smaller than MIN_PATCH_PIXELS in mask.
function removeSpecks(mask, from) {
    const seen = new Uint8Array(mask.length);
    for (let start = 0; start < mask.length; ++start) {
        const inside = inMap(start % WIDTH, Math.floor(start / WIDTH));
        if (seen[start] || mask[start] !== from || !inside) continue;
        const patch = [start];
        seen[start] = 1;
        for (let k = 0; k < patch.length; ++k) {
            const i = patch[k];
            const x = i % WIDTH;
            const y = Math.floor(i / WIDTH);
            const neighbours = [
                [x - 1, y],
                [x + 1, y],
                [x, y - 1],
                [x, y + 1],
            ];
            for (const [nx, ny] of neighbours) {
                const n = ny * WIDTH + nx;
                if (inMap(nx, ny) && !seen[n] && mask[n] === from) {
                    seen[n] = 1;
                    patch.push(n);
                }
            }
        }
        if (patch.length < MIN_PATCH_PIXELS) for (const i of patch) mask[i] = 1 - from;
    }
}

function drawLand(image) {
    const byNumber = new Map(countries.map((c) => [c.ccn3, c]));
    const fills = new Map(); // colour name -> mask
    const outline = new Uint8Array(WIDTH * HEIGHT);
    const dropped = [];
    const traced = [];
    const { features } = feature(topology, topology.objects.countries);
    for (const f of features) {
        const name = f.properties.name;
        const { type, coordinates } = f.geometry;
        const polygons = type === 'Polygon' ? [coordinates] : coordinates;
        for (const polygon of polygons) {
            const fill = region(byNumber.get(f.id), name, polygon);
            const copies = mapCopies(polygon);
            const area = pixelArea(copies[0]);
            if (area < MIN_ISLAND_AREA) {
                dropped.push(name);
                continue;
            }
            if (fill !== Fill.outline && !fills.has(fill)) {
                fills.set(fill, new Uint8Array(WIDTH * HEIGHT));
            }
            const mask = fill === Fill.outline ? outline : fills.get(fill);
            for (const copy of copies) rasterise(copy, mask);
            if (area < MAX_TRACED_AREA) traced.push([copies, mask]);
        }
    }
    for (const mask of [...fills.values(), outline]) {
        removeSpecks(mask, 1);
        removeSpecks(mask, 0);
    }
    for (const [copies, mask] of traced) for (const copy of copies) trace(copy, mask);
    for (const [fill, mask] of fills) {
        mask.forEach((v, i) => {
            if (v) image.set(i % WIDTH, Math.floor(i / WIDTH), Colour[fill]);
        });
    }
    // Outlined land: the pixels of the land with a neighbour that is not outlined land.
    for (let y = MAP_TOP; y <= MAP_BOTTOM; ++y) {
        for (let x = MAP_LEFT; x <= MAP_RIGHT; ++x) {
            const i = y * WIDTH + x;
            if (!outline[i]) continue;
            const inner =
                outline[i - 1] && outline[i + 1] && outline[i - WIDTH] && outline[i + WIDTH];
            if (!inner) image.set(x, y, Colour.background);
        }
    }
    return dropped;
}

class Image {
    constructor(width, height, colour) {
        this.width = width;
        this.height = height;
        this.data = Buffer.alloc(width * height * 3);
        this.rect(0, 0, width - 1, height - 1, colour);
    }
    set(x, y, [r, g, b]) {
        const i = (y * this.width + x) * 3;
        this.data[i] = r;
        this.data[i + 1] = g;
        this.data[i + 2] = b;
    }
    // Inclusive rectangle.
    rect(x0, y0, x1, y1, colour) {
        for (let y = y0; y <= y1; ++y) for (let x = x0; x <= x1; ++x) this.set(x, y, colour);
    }
}

function drawGrid(image) {
    for (let lat = 90; lat >= -90; lat -= 10) {
        const y = horizontalLineY(lat);
        image.rect(MAP_LEFT, y, MAP_RIGHT, y, y === EQUATOR_Y ? Colour.red : Colour.background);
    }
    for (let k = 0; k <= 18; ++k) {
        const x = verticalLineX(k);
        if (x !== PRIME_MERIDIAN_X) image.rect(x, MAP_TOP, x, MAP_BOTTOM, Colour.background);
    }
    // The prime meridian and the equator run unbroken across the other lines.
    image.rect(PRIME_MERIDIAN_X, MAP_TOP, PRIME_MERIDIAN_X, MAP_BOTTOM, Colour.red);
    image.rect(MAP_LEFT, EQUATOR_Y, MAP_RIGHT, EQUATOR_Y, Colour.red);

    image.rect(FRAME_LEFT, FRAME_TOP, FRAME_RIGHT, FRAME_TOP, Colour.red);
    image.rect(FRAME_LEFT, FRAME_BOTTOM, FRAME_RIGHT, FRAME_BOTTOM, Colour.red);
    image.rect(FRAME_LEFT, FRAME_TOP, FRAME_LEFT, FRAME_BOTTOM, Colour.red);
    image.rect(FRAME_RIGHT, FRAME_TOP, FRAME_RIGHT, FRAME_BOTTOM, Colour.red);
}

const letter = (i) => String.fromCharCode(65 + i);

// Top-left pixel of the interior of field (column g, row m), row 0 at the south pole.
const cellLeft = (g) => 32 * g + 31;
const cellTop = (m) => HEIGHT - (16 * m + 36 + (m >= 13 ? 1 : 0));
const cellHeight = (m) => (m === 13 ? 16 : 15);

function drawLabels(image) {
    const put = (x, y, colour) => image.set(x, y, colour);
    for (let g = 0; g < 18; ++g) {
        for (let m = 0; m < 18; ++m) {
            const name = letter(g) + letter(m);
            drawText(FONT_SMALL, name, cellLeft(g) + 11, cellTop(m) + 6, Colour.background, put);
        }
    }
    const band = FONT_BAND;
    const centred = (text, centre) => centre - Math.floor(textWidth(band, text) / 2);
    // Column letters above the frame, row letters to its right.
    for (let g = 0; g < 18; ++g) {
        drawText(band, letter(g), centred(letter(g), cellLeft(g) + 15), 2, Colour.yellow, put);
    }
    for (let m = 0; m < 18; ++m) {
        const top = cellTop(m) + Math.floor((cellHeight(m) - band.height) / 2);
        drawText(band, letter(m), centred(letter(m), 622), top, Colour.yellow, put);
    }
    // Latitude scale, right-aligned against the frame and centred on its grid line.
    for (let lat = 90; lat >= -90; lat -= 10) {
        const text = lat > 0 ? `+${lat}` : `${lat}`;
        const top = horizontalLineY(lat) - Math.floor(band.height / 2);
        drawText(band, text, FRAME_LEFT - 4 - textWidth(band, text) + 1, top, Colour.yellow, put);
    }
    // Longitude scale under its grid lines.
    for (let k = 0; k <= 18; ++k) {
        const lon = -180 + 20 * k;
        const text = lon > 0 ? `+${lon}` : `${lon}`;
        drawText(band, text, centred(text, verticalLineX(k)), FRAME_BOTTOM + 6, Colour.yellow, put);
    }
}

function drawMap() {
    const image = new Image(WIDTH, HEIGHT, Colour.background);
    image.rect(MAP_LEFT, MAP_TOP, MAP_RIGHT, MAP_BOTTOM, Colour.sea);
    const dropped = drawLand(image);
    drawGrid(image);
    drawLabels(image);
    return { image, dropped };
}

// 8-bit RGB without alpha or palette (PNG colour type 2).
function encodePng(image) {
    const png = { width: image.width, height: image.height, data: image.data };
    const options = { colorType: 2, inputColorType: 2, inputHasAlpha: false, deflateLevel: 9 };
    return PNG.sync.write(png, options);
}

const here = dirname(fileURLToPath(import.meta.url));
const output = resolve(process.argv[2] ?? resolve(here, '../../assets/gridmap.png'));
const { image, dropped } = drawMap();
writeFileSync(output, encodePng(image));
console.log(`wrote ${output}; left out ${dropped.length} islands under ${MIN_ISLAND_AREA} px²`);
