// Which colour each country's land takes on the map.

// A fill is the name of a colour of the picture, or `outline` for land drawn only as its
// coastline in the background colour on the sea.
export const Fill = {
    northAsia: 'red',
    southAsia: 'yellow',
    africa: 'brown',
    northAmerica: 'green',
    southAmerica: 'magenta',
    australia: 'background',
    antarctica: 'grey',
    outline: 'outline',
};

// Russia and the former Soviet and Mongolian steppe make up northern Asia.
const NORTH_ASIA = new Set(['RUS', 'KAZ', 'UZB', 'TKM', 'KGZ', 'TJK', 'MNG']);

// Natural Earth shapes that carry no ISO number, by their name there.
const UNNUMBERED = new Map([
    ['Somaliland', Fill.africa],
    ['Kosovo', Fill.outline],
    ['N. Cyprus', Fill.southAsia],
    ['Siachen Glacier', Fill.southAsia],
    ['Indian Ocean Ter.', Fill.outline],
]);

// Mainland that a country of another continent holds, with a box (west, south, east, north,
// in degrees) around it: it takes the colour of the continent it lies on.
const OVERSEAS = [{ code: 'FRA', box: [-56, 1, -50, 7], fill: Fill.southAmerica }]; // French Guiana

const inside = (polygon, [west, south, east, north]) =>
    polygon[0].every(([lon, lat]) => lon >= west && lon <= east && lat >= south && lat <= north);

// country: a world-countries record (or undefined); name: the Natural Earth name; polygon: one
// piece of the country's land as GeoJSON rings.
// Throws for a shape it cannot place, so that a data update cannot silently drop land.
export function region(country, name, polygon) {
    const overseas = OVERSEAS.find((o) => o.code === country?.cca3 && inside(polygon, o.box));
    if (overseas) return overseas.fill;
    if (!country) {
        if (UNNUMBERED.has(name)) return UNNUMBERED.get(name);
        throw new Error(`no region for ${name}`);
    }
    const code = country.cca3;
    if (NORTH_ASIA.has(code)) return Fill.northAsia;
    if (code === 'AUS') return Fill.australia;
    if (code === 'ATA') return Fill.antarctica;
    if (code === 'GRL') return Fill.outline;
    // New Guinea is one island: its eastern half goes with the Indonesian west.
    if (code === 'PNG') return Fill.southAsia;
    switch (country.region) {
        case 'Asia':
            return Fill.southAsia;
        case 'Africa':
            return Fill.africa;
        case 'Americas':
            return country.subregion === 'South America' ? Fill.southAmerica : Fill.northAmerica;
        case 'Europe':
        case 'Oceania':
        case 'Antarctic': // the sub-antarctic islands
            return Fill.outline;
        default:
            throw new Error(`no region for ${name} (${country.region})`);
    }
}
