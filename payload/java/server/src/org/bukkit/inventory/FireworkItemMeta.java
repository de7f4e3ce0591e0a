package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.FireworkEffect;
import org.bukkit.inventory.meta.FireworkMeta;

/** A rocket's bursts and flight power (0 to 128), the tag's "Fireworks" {Flight, Explosions}. */
final class FireworkItemMeta extends StackMeta implements FireworkMeta {
    private List<FireworkEffect> effects = new ArrayList<FireworkEffect>();
    private int power;

    public void addEffect(FireworkEffect effect) {
        if (effect == null) {
            throw new IllegalArgumentException("Effect cannot be null");
        }
        effects.add(effect);
    }

    public void addEffects(FireworkEffect... more) {
        for (FireworkEffect e : more) {
            addEffect(e);
        }
    }

    public void addEffects(Iterable<FireworkEffect> more) {
        for (FireworkEffect e : more) {
            addEffect(e);
        }
    }

    public List<FireworkEffect> getEffects() {
        return new ArrayList<FireworkEffect>(effects);
    }

    public int getEffectsSize() {
        return effects.size();
    }

    public void removeEffect(int index) {
        effects.remove(index);
    }

    public void clearEffects() {
        effects.clear();
    }

    public boolean hasEffects() {
        return !effects.isEmpty();
    }

    public int getPower() {
        return power;
    }

    public void setPower(int p) {
        if (p < 0 || p > 128) {
            throw new IllegalArgumentException("Power cannot be less than zero or greater than 128");
        }
        power = p;
    }

    @Override
    public FireworkItemMeta clone() {
        FireworkItemMeta copy = (FireworkItemMeta) super.clone();
        copy.effects = new ArrayList<FireworkEffect>(effects);
        return copy;
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && effects.isEmpty() && power == 0;
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("Fireworks");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        effects.clear();
        power = 0;
        Object f = tag == null ? null : tag.get("Fireworks");
        if (!(f instanceof Map)) {
            return;
        }
        Object flight = ((Map<?, ?>) f).get("Flight");
        power = flight instanceof Number ? Math.max(0, Math.min(128, ((Number) flight).intValue())) : 0;
        Object list = ((Map<?, ?>) f).get("Explosions");
        if (list instanceof List) {
            for (Object o : (List<?>) list) {
                FireworkEffect e = Explosions.fromTag(o);
                if (e != null) {
                    effects.add(e);
                }
            }
        }
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (effects.isEmpty() && power == 0) {
            return;
        }
        Map<String, Object> f = new LinkedHashMap<String, Object>();
        f.put("Flight", (byte) power);
        List<Object> list = new ArrayList<Object>();
        for (FireworkEffect e : effects) {
            list.add(Explosions.toTag(e));
        }
        f.put("Explosions", list);
        tag.put("Fireworks", f);
    }

    @Override
    String metaType() {
        return "FIREWORK";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (!effects.isEmpty()) {
            out.put("firework-effects", new ArrayList<FireworkEffect>(effects));
        }
        out.put("power", power);
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        Object list = map.get("firework-effects");
        if (list instanceof List) {
            for (Object o : (List<?>) list) {
                if (o instanceof FireworkEffect) {
                    effects.add((FireworkEffect) o);
                }
            }
        }
        Object p = map.get("power");
        if (p instanceof Number) {
            setPower(((Number) p).intValue());
        }
    }
}
