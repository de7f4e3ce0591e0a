package net.cubeworks.world.game.mob;

import java.util.List;

import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.projectiles.ProjectileSource;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A thing thrown by hand (a snowball, an egg): it leaves the thrower's eyes at 1.5 blocks a tick
 * along his look, falls 0.03 a tick per tick, slows by 0.99 a tick (0.8 in water), and breaks on
 * the first living thing (not its thrower in its first 5 ticks) or block its line meets, doing
 * what its kind does there. Clients are shown it as a Spawn Object of its type and its motion.
 */
public abstract class Thrown extends Shot {
    static final double GRAVITY = 0.03;
    /** The speed of a throw, blocks a tick. */
    public static final float SPEED = 1.5f;

    Thrown(Mobs mobs, ProjectileSource shooter, double x, double y, double z) {
        super(mobs, shooter);
        this.x = x;
        this.y = y;
        this.z = z;
        sent.reset(this, mobs.tick);
    }

    /** Its Spawn Object type. */
    abstract int objectType();

    /** It broke on the living thing (null: on a block) at its place. */
    abstract void impact(Living hit);

    /**
     * Sets it at the thrower's eyes (0.16 to his right, 0.1 down) flying along his look at the
     * speed, spread as the game spreads a throw.
     */
    void throwFrom(double ex, double ey, double ez, float yaw, float pitch, float speed) {
        double yr = Math.toRadians(yaw);
        double pr = Math.toRadians(pitch);
        x = ex - Math.cos(yr) * 0.16;
        y = ey - 0.1;
        z = ez - Math.sin(yr) * 0.16;
        this.yaw = yaw;
        this.pitch = pitch;
        aim(-Math.sin(yr) * Math.cos(pr), -Math.sin(pr), Math.cos(yr) * Math.cos(pr), speed, 1f);
        sent.reset(this, mobs.tick);
    }

    void aim(double dx, double dy, double dz, float speed, float inaccuracy) {
        double len = Math.sqrt(dx * dx + dy * dy + dz * dz);
        if (len < 1.0E-6) {
            return;
        }
        motionX = (dx / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy) * speed;
        motionY = (dy / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy) * speed;
        motionZ = (dz / len + mobs.random.nextGaussian() * 0.0075 * inaccuracy) * speed;
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return java.util.Arrays.asList(MobPackets.spawnObject(getEntityId(), objectType(), TrackedPosition.fixed(x),
                TrackedPosition.fixed(y), TrackedPosition.fixed(z), TrackedPosition.angle(pitch),
                TrackedPosition.angle(yaw), 0, 0, 0, 0),
                PlayPackets.entityVelocity(getEntityId(), motionX, motionY, motionZ));
    }

    @Override
    public int trackingRange() {
        return 64;
    }

    @Override
    public int updateInterval() {
        return 10;
    }

    public void tick(long tick) {
        super.tick(tick);
        if (y < -64 || !mobs.world.loaded(Mob.floor(x), Mob.floor(z))) {
            markRemoved();
            return;
        }
        double speed = Math.sqrt(motionX * motionX + motionY * motionY + motionZ * motionZ);
        int steps = Math.max(1, (int) Math.ceil(speed / 0.25));
        for (int i = 1; i <= steps; i++) {
            double f = (double) i / steps;
            double px = x + motionX * f;
            double py = y + motionY * f;
            double pz = z + motionZ * f;
            Living hit = livingAt(px, py, pz);
            if (hit != null || solidAt(px, py, pz)) {
                x = px;
                y = py;
                z = pz;
                impact(hit);
                markRemoved();
                MobEvents.projectileHit(mobs.world.host(), this);
                return;
            }
        }
        x += motionX;
        y += motionY;
        z += motionZ;
        double drag = Shapes.water(mobs.world.blockAt(Mob.floor(x), Mob.floor(y), Mob.floor(z))) ? 0.8 : 0.99;
        motionX *= drag;
        motionY = motionY * drag - GRAVITY;
        motionZ *= drag;
    }

    private boolean solidAt(double px, double py, double pz) {
        int bx = Mob.floor(px);
        int by = Mob.floor(py);
        int bz = Mob.floor(pz);
        int id = mobs.world.blockAt(bx, by, bz);
        if (id == 0) {
            return false;
        }
        int meta = mobs.world.metaAt(bx, by, bz);
        double top = Shapes.top(id, meta);
        return top > 0 && py - by <= top && py - by >= Shapes.bottom(id, meta);
    }

    /** The living thing whose box (grown by 0.3) holds the point; not the thrower in the first 5 ticks. */
    private Living livingAt(double px, double py, double pz) {
        for (WorldEntity e : mobs.world.entities().all()) {
            if (!(e instanceof Living) || e.isRemoved() || ((Living) e).dead || (e == shooter && ticksLived < 5)) {
                continue;
            }
            double w = e instanceof Mob ? ((Mob) e).kind.width / 2 + 0.3 : 0.6;
            double h = e instanceof Mob ? ((Mob) e).kind.height + 0.3 : 2.1;
            if (Math.abs(e.x - px) <= w && Math.abs(e.z - pz) <= w && py >= e.y - 0.3 && py <= e.y + h) {
                if (e instanceof Player && ((Player) e).getGameMode() == org.bukkit.GameMode.CREATIVE) {
                    continue;
                }
                return (Living) e;
            }
        }
        return null;
    }

    /**
     * Its hit on a living thing, of the damage (0: a push and the hurt flash only, as the game's
     * snowballs and eggs do). True when it took the hit.
     */
    boolean strike(Living hit, float damage) {
        if (hit instanceof Player) {
            Player p = (Player) hit;
            String by = shooter instanceof Player ? ((Player) shooter).getName()
                    : shooter instanceof Mob ? ((Mob) shooter).kind.savedId : "Snowball";
            return mobs.world.hurtPlayer(p, this, damage, true, p.getName() + " was pummeled by " + by);
        }
        if (hit instanceof Mob) {
            return damage > 0 || hit instanceof EndermanMob ? ((Mob) hit).hurt(damage, this, DamageCause.PROJECTILE)
                    : ((Mob) hit).harm.glance(this, shooter, x - motionX, z - motionZ);
        }
        ((LivingEntity) hit).damage(damage, this);
        return true;
    }
}
